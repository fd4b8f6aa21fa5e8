#include "cli/base/TextCodec.h"

namespace {

const char32_t kUndefinedByteBase = 0xF700;

void OpenEncoding(CTextEncoding& encoding, const CString& strName)
{
    if (!encoding.Open(strName)) throw CCliError(kExitUsage, "this system knows no character encoding " + strName);
}

}  // namespace

void CTextCodec::Open(const CString& strCodePage, const CString& strArguments, const CString& strStreams,
                      const CString& strPaths)
{
    OpenEncoding(m_utf8, "UTF-8");
    if (!m_codePage.Open(strCodePage))
        throw CCliError(kExitUsage,
                        "the code page " + strCodePage + " is not a single-byte code page this system knows");
    OpenEncoding(m_arguments, strArguments);
    OpenEncoding(m_streams, strStreams);
    if (!strPaths.IsEmpty()) OpenEncoding(m_paths, strPaths);
    for (int b = 0; b < 256; ++b) {
        char32_t ch = 0;
        if (!m_codePage.ToUnicode(static_cast<BYTE>(b), ch) || !m_streams.Encode(ch, m_shown[b]))
            m_shown[b].Format("\\x%02X", b);
        CString strUtf8;
        m_utf8.Encode(m_codePage.ToUnicode(static_cast<BYTE>(b), ch) ? ch : kUndefinedByteBase + b, strUtf8);
        m_utf8Bytes[b].assign(strUtf8.GetString(), static_cast<std::size_t>(strUtf8.GetLength()));
    }
}

CString CTextCodec::Store(const CTextEncoding& from, const CString& strText, LPCTSTR pszWhat) const
{
    std::u32string text;
    if (!from.Decode(strText, text))
        throw CCliError(kExitUsage, CString(pszWhat) + " is not valid " + from.GetName() + " text");
    CString strStored;
    for (char32_t ch : text) {
        BYTE by = 0;
        char32_t dummy = 0;
        const BOOL bUndefinedByte = &from == &m_utf8 && ch >= kUndefinedByteBase && ch < kUndefinedByteBase + 256 &&
                                    !m_codePage.ToUnicode(static_cast<BYTE>(ch - kUndefinedByteBase), dummy);
        if (bUndefinedByte)
            by = static_cast<BYTE>(ch - kUndefinedByteBase);
        else if (!m_codePage.FromUnicode(ch, by))
            throw CCliError(kExitUsage, CString(pszWhat) + " holds characters that the database's code page (" +
                                            m_codePage.GetName() + ") cannot hold");
        strStored += static_cast<char>(by);
    }
    return strStored;
}

CString CTextCodec::ToPath(const CString& strArgument) const
{
    if (m_paths.GetName().IsEmpty()) return strArgument;
    std::u32string text;
    CString strPath, strBytes;
    BOOL bOk = m_arguments.Decode(strArgument, text);
    for (std::size_t i = 0; bOk && i < text.size(); ++i) {
        bOk = m_paths.Encode(text[i], strBytes);
        strPath += strBytes;
    }
    if (!bOk) throw CCliError(kExitUsage, "the file name " + strArgument + " holds characters this program cannot use");
    return strPath;
}

CString CTextCodec::ToStream(const CString& strStored) const
{
    CString strShown;
    for (int i = 0; i < strStored.GetLength(); ++i) strShown += m_shown[static_cast<BYTE>(strStored[i])];
    return strShown;
}

std::string CTextCodec::ToUtf8(const CString& strStored) const
{
    std::string text;
    text.reserve(static_cast<std::size_t>(strStored.GetLength()));
    for (int i = 0; i < strStored.GetLength(); ++i) text += m_utf8Bytes[static_cast<BYTE>(strStored[i])];
    return text;
}

CString CTextCodec::FromUtf8(const std::string& text, LPCTSTR pszWhat) const
{
    return Store(m_utf8, CString(text.data(), static_cast<int>(text.size())), pszWhat);
}
