// CCodePage: the single-byte code page a database's texts are stored in, as a
// table of what each byte stands for. The program stores the bytes of the
// system's ANSI code page (Windows-1252 on Western systems); vaultry-cli reads
// and writes them through this table.
#pragma once

#include <vector>

#include "cli/text/TextEncoding.h"

class CCodePage {
public:
    // FALSE when the system knows no encoding by that name, or when it is not a
    // single-byte code page.
    BOOL Open(const CString& strName);
    const CString& GetName() const { return m_encoding.GetName(); }

    // The character a byte stands for; FALSE for a byte that the code page leaves
    // undefined (or that it maps to an invisible C1 control).
    BOOL ToUnicode(BYTE by, char32_t& ch) const;
    // The byte that stands for a character; FALSE when the code page has none.
    BOOL FromUnicode(char32_t ch, BYTE& by) const;
    // The byte of the same letter in lower case, or the byte itself.
    BYTE Fold(BYTE by) const { return m_fold[by]; }
    // Whether two texts are the same but for the case of their letters.
    BOOL SameIgnoringCase(const CString& a, const CString& b) const;

private:
    CTextEncoding m_encoding;
    char32_t m_chars[256] = {};
    bool m_defined[256] = {};
    std::vector<std::pair<char32_t, BYTE>> m_bytes;  // sorted by character
    BYTE m_fold[256] = {};
};
