// CString: an 8-bit text (bytes of the system's ANSI code page) of any length.
// Its heap buffer is zeroed before it is freed or replaced, so passwords and key
// texts held in CStrings do not linger in freed memory.
#pragma once

#include "framework/portable/Types.h"

class CString {
public:
    CString() : m_pData(m_inline), m_nLength(0), m_nCapacity(kInlineCapacity) { m_inline[0] = 0; }
    CString(const CString& other);
    CString(CString&& other) noexcept;
    CString(LPCTSTR psz);
    CString(const char* p, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCTSTR psz);
    CString& operator=(char ch);

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char GetAt(int nIndex) const { return m_pData[nIndex]; }
    char operator[](int nIndex) const { return m_pData[nIndex]; }
    void SetAt(int nIndex, char ch) { m_pData[nIndex] = ch; }
    operator LPCTSTR() const { return m_pData; }
    LPCTSTR GetString() const { return m_pData; }

    CString& operator+=(const CString& s);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(char ch);
    void Append(const char* p, int nLength);
    // Replaces the text by nLength bytes from p.
    void SetString(const char* p, int nLength) { Assign(p, nLength); }

    // Byte-wise comparison: <0, 0, >0 like strcmp, embedded NULs included.
    int Compare(LPCTSTR psz) const;
    int Compare(const CString& s) const;
    int CompareNoCase(LPCTSTR psz) const;

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    int Find(char ch, int nStart = 0) const;
    int Find(LPCTSTR pszSub, int nStart = 0) const;
    void MakeUpper();
    void MakeLower();

    // printf-style formatting into this string.
    void Format(LPCTSTR pszFormat, ...);

    // Direct access for APIs that fill a buffer: GetBuffer gives room for at least
    // nMinLength bytes plus a NUL; ReleaseBuffer sets the length (-1: up to the NUL).
    LPTSTR GetBuffer(int nMinLength = 0);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);

private:
    void Reserve(int nCapacity);
    void Assign(const char* p, int nLength);

    // Short texts live in the object itself, so most entry texts need no heap block.
    static const int kInlineCapacity = 23;

    bool IsInline() const { return m_pData == m_inline; }
    void Wipe();
    // Frees the heap block, if any, zeroing what the string held first.
    void Release();
    // Takes over other's text, leaving other empty.
    void Steal(CString& other);

    char* m_pData;  // always NUL-terminated: m_inline or a heap block
    int m_nLength;
    int m_nCapacity;  // bytes usable before the NUL
    char m_inline[kInlineCapacity + 1];
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, char ch);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
