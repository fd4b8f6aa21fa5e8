#include "cli/text/TextEncoding.h"

#include <cctype>

namespace {

// The number in "1252", "cp1252" or "windows-1252"; 0 for any other name.
unsigned CodePageNumber(const CString& strName)
{
    CString strLower = strName;
    strLower.MakeLower();
    int nDigits = strLower.Left(2) == "cp" ? 2 : (strLower.Left(8) == "windows-" ? 8 : 0);
    unsigned n = 0;
    if (nDigits == strLower.GetLength()) return 0;
    for (int i = nDigits; i < strLower.GetLength(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(strLower[i])) || n > 100000) return 0;
        n = n * 10 + static_cast<unsigned>(strLower[i] - '0');
    }
    return n;
}

}  // namespace

CTextEncoding::~CTextEncoding() { Close(); }

#ifdef _WIN32

#include <windows.h>

BOOL CTextEncoding::Open(const CString& strName)
{
    Close();
    CString strLower = strName;
    strLower.MakeLower();
    unsigned nCodePage = strLower == "utf-8" || strLower == "utf8" ? CP_UTF8 : CodePageNumber(strName);
    if (nCodePage == 0 || !IsValidCodePage(nCodePage)) return FALSE;
    m_nCodePage = nCodePage;
    m_strName = strName;
    return TRUE;
}

void CTextEncoding::Close() { m_nCodePage = 0; }

BOOL CTextEncoding::IsSingleByte() const
{
    CPINFO info;
    return GetCPInfo(m_nCodePage, &info) && info.MaxCharSize == 1;
}

BOOL CTextEncoding::Decode(const CString& strBytes, std::u32string& text) const
{
    text.clear();
    if (strBytes.IsEmpty()) return TRUE;
    std::wstring wide(static_cast<std::size_t>(strBytes.GetLength()), L'\0');
    int n = MultiByteToWideChar(m_nCodePage, MB_ERR_INVALID_CHARS, strBytes, strBytes.GetLength(), &wide[0],
                                static_cast<int>(wide.size()));
    if (n <= 0) return FALSE;
    for (int i = 0; i < n; ++i) {
        char32_t ch = wide[i];
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < n && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
            ch = 0x10000 + ((ch - 0xD800) << 10) + (wide[++i] - 0xDC00);
        text += ch;
    }
    return TRUE;
}

BOOL CTextEncoding::Encode(char32_t ch, CString& strBytes) const
{
    wchar_t wide[2];
    int nWide = 1;
    if (ch >= 0x10000) {
        wide[0] = static_cast<wchar_t>(0xD800 + ((ch - 0x10000) >> 10));
        wide[1] = static_cast<wchar_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
        nWide = 2;
    } else {
        wide[0] = static_cast<wchar_t>(ch);
    }
    char bytes[16];
    BOOL bUsedDefault = FALSE;
    const bool bUtf8 = m_nCodePage == CP_UTF8;
    int n = WideCharToMultiByte(m_nCodePage, bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, nWide, bytes, sizeof bytes,
                                nullptr, bUtf8 ? nullptr : &bUsedDefault);
    if (n <= 0 || bUsedDefault) return FALSE;
    strBytes.SetString(bytes, n);
    return TRUE;
}

#else

#include <cerrno>
#include <iconv.h>

namespace {

const char kUnicode[] = "UTF-32LE";

iconv_t Descriptor(void* p) { return static_cast<iconv_t>(p); }

// Converts the bytes whole; -1 with errno on failure, else what iconv returned.
long Convert(void* cd, const char* pIn, std::size_t nIn, std::string& out)
{
    iconv(Descriptor(cd), nullptr, nullptr, nullptr, nullptr);
    out.assign(nIn * 4 + 16, '\0');
    char* pFrom = const_cast<char*>(pIn);
    char* pTo = &out[0];
    std::size_t nLeft = out.size();
    std::size_t result = iconv(Descriptor(cd), &pFrom, &nIn, &pTo, &nLeft);
    if (result == static_cast<std::size_t>(-1) || iconv(Descriptor(cd), nullptr, nullptr, &pTo, &nLeft) != 0) return -1;
    out.resize(out.size() - nLeft);
    return static_cast<long>(result);
}

}  // namespace

BOOL CTextEncoding::Open(const CString& strName)
{
    Close();
    unsigned nCodePage = CodePageNumber(strName);
    CString strSystemName = strName;
    if (nCodePage) strSystemName.Format("CP%u", nCodePage);
    iconv_t toUnicode = iconv_open(kUnicode, strSystemName);
    iconv_t fromUnicode = iconv_open(strSystemName, kUnicode);
    m_toUnicode = toUnicode == reinterpret_cast<iconv_t>(-1) ? nullptr : toUnicode;
    m_fromUnicode = fromUnicode == reinterpret_cast<iconv_t>(-1) ? nullptr : fromUnicode;
    if (!m_toUnicode || !m_fromUnicode) {
        Close();
        return FALSE;
    }
    m_strName = strName;
    return TRUE;
}

void CTextEncoding::Close()
{
    if (m_toUnicode) iconv_close(Descriptor(m_toUnicode));
    if (m_fromUnicode) iconv_close(Descriptor(m_fromUnicode));
    m_toUnicode = m_fromUnicode = nullptr;
}

// A byte that only starts a character shows as an incomplete sequence.
BOOL CTextEncoding::IsSingleByte() const
{
    std::string out;
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        if (Convert(m_toUnicode, &byte, 1, out) < 0 && errno == EINVAL) return FALSE;
    }
    return TRUE;
}

BOOL CTextEncoding::Decode(const CString& strBytes, std::u32string& text) const
{
    std::string out;
    text.clear();
    if (Convert(m_toUnicode, strBytes, static_cast<std::size_t>(strBytes.GetLength()), out) < 0) return FALSE;
    for (std::size_t i = 0; i + 4 <= out.size(); i += 4) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(out.data() + i);
        text += static_cast<char32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<char32_t>(p[3]) << 24);
    }
    return TRUE;
}

BOOL CTextEncoding::Encode(char32_t ch, CString& strBytes) const
{
    const char in[4] = {static_cast<char>(ch & 0xFF), static_cast<char>((ch >> 8) & 0xFF),
                        static_cast<char>((ch >> 16) & 0xFF), static_cast<char>(ch >> 24)};
    std::string out;
    // A conversion iconv calls irreversible is a look-alike, not the character.
    if (Convert(m_fromUnicode, in, 4, out) != 0 || out.empty()) return FALSE;
    strBytes.SetString(out.data(), static_cast<int>(out.size()));
    return TRUE;
}

#endif
