// CTextEncoding: one character encoding by name, and the system's conversion
// between it and Unicode code points: iconv on POSIX, the Windows code page
// functions on Windows.
//
// Names: "UTF-8"; a code page number ("1252"), "cp1252" or "windows-1252"; on
// POSIX any other name iconv knows ("ISO-8859-15", "KOI8-R").
#pragma once

#include <string>

#include "framework/portable/CString.h"

class CTextEncoding {
public:
    CTextEncoding() = default;
    ~CTextEncoding();
    CTextEncoding(const CTextEncoding&) = delete;
    CTextEncoding& operator=(const CTextEncoding&) = delete;

    // FALSE when the system knows no encoding by that name.
    BOOL Open(const CString& strName);
    // The name as given, for messages.
    const CString& GetName() const { return m_strName; }

    // TRUE when every character takes one byte.
    BOOL IsSingleByte() const;
    // The code points of a text; FALSE when its bytes are not valid in this encoding.
    BOOL Decode(const CString& strBytes, std::u32string& text) const;
    // The bytes of one code point; FALSE when the encoding has no such character.
    BOOL Encode(char32_t ch, CString& strBytes) const;

private:
    void Close();

    CString m_strName;
#ifdef _WIN32
    unsigned m_nCodePage = 0;
#else
    void* m_toUnicode = nullptr;    // iconv_t
    void* m_fromUnicode = nullptr;  // iconv_t
#endif
};
