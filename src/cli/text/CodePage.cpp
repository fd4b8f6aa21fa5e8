#include "cli/text/CodePage.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <cwctype>
#include <locale.h>
#endif

namespace {

// Unicode's simple lower case of a character, whatever the user's locale.
char32_t ToLower(char32_t ch)
{
#ifdef _WIN32
    if (ch > 0xFFFF) return ch;
    wchar_t in = static_cast<wchar_t>(ch), out = in;
    return LCMapStringW(LOCALE_INVARIANT, LCMAP_LOWERCASE, &in, 1, &out, 1) == 1 ? out : ch;
#else
    static locale_t s_unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (!s_unicode) return ch < 0x80 ? static_cast<char32_t>(std::towlower(static_cast<wint_t>(ch))) : ch;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(ch), s_unicode));
#endif
}

}  // namespace

BOOL CCodePage::Open(const CString& strName)
{
    if (!m_encoding.Open(strName) || !m_encoding.IsSingleByte()) return FALSE;
    m_bytes.clear();
    std::u32string text;
    for (int b = 0; b < 256; ++b) {
        m_defined[b] = m_encoding.Decode(CString(static_cast<char>(b)), text) && text.size() == 1 &&
                       !(b >= 0x80 && text[0] >= 0x80 && text[0] < 0xA0);
        m_chars[b] = m_defined[b] ? text[0] : 0;
        if (m_defined[b]) m_bytes.emplace_back(m_chars[b], static_cast<BYTE>(b));
    }
    std::sort(m_bytes.begin(), m_bytes.end());
    for (int b = 0; b < 256; ++b) {
        BYTE byLower = static_cast<BYTE>(b);
        if (!m_defined[b] || !FromUnicode(ToLower(m_chars[b]), byLower)) byLower = static_cast<BYTE>(b);
        m_fold[b] = byLower;
    }
    return TRUE;
}

BOOL CCodePage::ToUnicode(BYTE by, char32_t& ch) const
{
    ch = m_chars[by];
    return m_defined[by];
}

BOOL CCodePage::FromUnicode(char32_t ch, BYTE& by) const
{
    auto it = std::lower_bound(m_bytes.begin(), m_bytes.end(), std::make_pair(ch, static_cast<BYTE>(0)));
    if (it == m_bytes.end() || it->first != ch) return FALSE;
    by = it->second;
    return TRUE;
}

BOOL CCodePage::SameIgnoringCase(const CString& a, const CString& b) const
{
    if (a.GetLength() != b.GetLength()) return FALSE;
    for (int i = 0; i < a.GetLength(); ++i)
        if (Fold(static_cast<BYTE>(a[i])) != Fold(static_cast<BYTE>(b[i]))) return FALSE;
    return TRUE;
}
