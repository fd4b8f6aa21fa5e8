#include "framework/portable/CString.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>


void SecureZero(void* p, std::size_t n)
{
#if defined(__GNUC__)
    // A plain memset, then an empty asm statement that may read the memory: the
    // compiler must assume the zeros are used, so it cannot drop the memset.
    std::memset(p, 0, n);
    __asm__ __volatile__("" : : "r"(p) : "memory");
#else
    volatile unsigned char* q = static_cast<volatile unsigned char*>(p);
    while (n--) *q++ = 0;
#endif
}

CString::CString(const CString& other) : CString() { Assign(other.m_pData, other.m_nLength); }

CString::CString(CString&& other) noexcept : CString() { Steal(other); }

// Zeroes the text held. Bytes past the length are zero already (every shortening
// clears them), so the length is enough.
void CString::Wipe()
{
    if (IsInline()) {
        // A fixed-size clear compiles to a few stores instead of a library call.
        std::memset(m_inline, 0, sizeof m_inline);
#if defined(__GNUC__)
        __asm__ __volatile__("" : : "r"(m_inline) : "memory");
#endif
    } else {
        SecureZero(m_pData, static_cast<std::size_t>(m_nLength));
    }
}

void CString::Release()
{
    Wipe();
    if (!IsInline()) std::free(m_pData);
    m_pData = m_inline;
    m_nLength = 0;
    m_nCapacity = kInlineCapacity;
    m_inline[0] = 0;
}

void CString::Steal(CString& other)
{
    if (other.IsInline()) {
        std::memcpy(m_inline, other.m_inline, static_cast<std::size_t>(other.m_nLength) + 1);
        m_pData = m_inline;
        m_nCapacity = kInlineCapacity;
        m_nLength = other.m_nLength;
        other.Release();
    } else {
        m_pData = other.m_pData;
        m_nLength = other.m_nLength;
        m_nCapacity = other.m_nCapacity;
        other.m_pData = other.m_inline;
        other.m_nLength = 0;
        other.m_nCapacity = kInlineCapacity;
        other.m_inline[0] = 0;
    }
}

CString::CString(LPCTSTR psz) : CString()
{
    if (psz) Assign(psz, static_cast<int>(std::strlen(psz)));
}

CString::CString(const char* p, int nLength) : CString() { Assign(p, nLength); }

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat <= 0) return;
    Reserve(nRepeat);
    std::memset(m_pData, ch, nRepeat);
    m_nLength = nRepeat;
    m_pData[m_nLength] = 0;
}

CString::~CString() { Release(); }

CString& CString::operator=(const CString& other)
{
    if (this != &other) Assign(other.m_pData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        Release();
        Steal(other);
    }
    return *this;
}

CString& CString::operator=(LPCTSTR psz)
{
    if (!psz) {
        Empty();
        return *this;
    }
    // psz may point into this string's own buffer.
    CString copy(psz, static_cast<int>(std::strlen(psz)));
    return *this = static_cast<CString&&>(copy);
}

CString& CString::operator=(char ch) { return *this = CString(ch, 1); }

void CString::Empty()
{
    if (m_nLength) SecureZero(m_pData, m_nLength);
    m_nLength = 0;
    m_pData[0] = 0;
}

// Grows the buffer to hold nCapacity bytes plus the NUL, keeping the text. The old
// buffer is zeroed before it is freed.
void CString::Reserve(int nCapacity)
{
    if (nCapacity <= m_nCapacity) return;
    if (nCapacity < 0) throw std::length_error("CString too long");
    // Half as much again, so that appends take amortised constant time; counted in
    // 64 bits and capped at the longest text an int can count.
    long long nNew = m_nCapacity + static_cast<long long>(m_nCapacity) / 2;
    if (nNew > INT32_MAX) nNew = INT32_MAX;
    if (nNew < nCapacity) nNew = nCapacity;
    if (nNew < 15) nNew = 15;
    char* p = static_cast<char*>(std::malloc(static_cast<std::size_t>(nNew) + 1));
    if (!p) throw std::bad_alloc();
    std::memcpy(p, m_pData, static_cast<std::size_t>(m_nLength) + 1);
    Wipe();
    if (!IsInline()) std::free(m_pData);
    m_pData = p;
    m_nCapacity = static_cast<int>(nNew);
}

void CString::Assign(const char* p, int nLength)
{
    if (nLength <= 0) {
        Empty();
        return;
    }
    if (nLength > m_nCapacity) {
        // A text longer than this buffer never lies inside it, so the old text
        // can go before the new one is copied.
        Empty();
        Reserve(nLength);
        std::memcpy(m_pData, p, nLength);
    } else {
        std::memmove(m_pData, p, nLength);
        if (nLength < m_nLength) SecureZero(m_pData + nLength, m_nLength - nLength);
    }
    m_nLength = nLength;
    m_pData[nLength] = 0;
}

void CString::Append(const char* p, int nLength)
{
    if (nLength <= 0) return;
    if (m_nLength > INT32_MAX - nLength) throw std::length_error("CString too long");
    if (m_nLength + nLength > m_nCapacity) {
        // p may point into this string's buffer, which Reserve replaces.
        std::ptrdiff_t offset = p - m_pData;
        bool inside = offset >= 0 && offset <= m_nLength;
        Reserve(m_nLength + nLength);
        if (inside) p = m_pData + offset;
    }
    std::memmove(m_pData + m_nLength, p, nLength);
    m_nLength += nLength;
    m_pData[m_nLength] = 0;
}

CString& CString::operator+=(const CString& s)
{
    Append(s.m_pData, s.m_nLength);
    return *this;
}

CString& CString::operator+=(LPCTSTR psz)
{
    if (psz) Append(psz, static_cast<int>(std::strlen(psz)));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

int CString::Compare(const CString& s) const
{
    int n = m_nLength < s.m_nLength ? m_nLength : s.m_nLength;
    int c = std::memcmp(m_pData, s.m_pData, n);
    if (c) return c;
    return m_nLength < s.m_nLength ? -1 : (m_nLength > s.m_nLength ? 1 : 0);
}

int CString::Compare(LPCTSTR psz) const { return std::strcmp(m_pData, psz ? psz : ""); }

int CString::CompareNoCase(LPCTSTR psz) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b) {
        int ca = std::tolower(*a), cb = std::tolower(*b);
        if (ca != cb || !ca) return ca - cb;
    }
}

CString CString::Left(int nCount) const
{
    if (nCount < 0) nCount = 0;
    if (nCount > m_nLength) nCount = m_nLength;
    return CString(m_pData, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, m_nLength); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) nFirst = 0;
    if (nFirst > m_nLength) nFirst = m_nLength;
    if (nCount < 0) nCount = 0;
    if (nCount > m_nLength - nFirst) nCount = m_nLength - nFirst;
    return CString(m_pData + nFirst, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0) nCount = 0;
    if (nCount > m_nLength) nCount = m_nLength;
    return CString(m_pData + m_nLength - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0) nStart = 0;
    if (nStart >= m_nLength) return -1;
    const void* p = std::memchr(m_pData + nStart, ch, m_nLength - nStart);
    return p ? static_cast<int>(static_cast<const char*>(p) - m_pData) : -1;
}

int CString::Find(LPCTSTR pszSub, int nStart) const
{
    if (nStart < 0) nStart = 0;
    if (nStart > m_nLength) return -1;
    const char* p = std::strstr(m_pData + nStart, pszSub);
    return p ? static_cast<int>(p - m_pData) : -1;
}

void CString::MakeUpper()
{
    for (int i = 0; i < m_nLength; ++i)
        m_pData[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(m_pData[i])));
}

void CString::MakeLower()
{
    for (int i = 0; i < m_nLength; ++i)
        m_pData[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(m_pData[i])));
}

void CString::Format(LPCTSTR pszFormat, ...)
{
    // Two passes over the arguments: the length first, then the text.
    va_list args;
    va_start(args, pszFormat);
    // The analyzer loses track of va_start through the C library's checked
    // vsnprintf wrapper; the list is started on the line above.
    int n = std::vsnprintf(nullptr, 0, pszFormat, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
    va_end(args);
    if (n < 0) {
        Empty();
        return;
    }
    CString out;
    out.Reserve(n);
    va_start(args, pszFormat);
    (void)std::vsnprintf(out.m_pData, static_cast<std::size_t>(n) + 1, pszFormat, args);
    va_end(args);
    out.m_nLength = n;
    *this = static_cast<CString&&>(out);
}

LPTSTR CString::GetBuffer(int nMinLength)
{
    Reserve(nMinLength > m_nLength ? nMinLength : m_nLength);
    return m_pData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    // Up to the NUL, but never past the buffer: a caller may have filled all of it.
    if (nNewLength < 0) {
        const void* nul = std::memchr(m_pData, 0, static_cast<std::size_t>(m_nCapacity));
        nNewLength = nul ? static_cast<int>(static_cast<const char*>(nul) - m_pData) : m_nCapacity;
    }
    if (nNewLength > m_nCapacity) nNewLength = m_nCapacity;
    if (nNewLength < m_nLength) SecureZero(m_pData + nNewLength, m_nLength - nNewLength);
    m_nLength = nNewLength;
    m_pData[m_nLength] = 0;
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    if (nNewLength > m_nLength) std::memset(m_pData + m_nLength, 0, nNewLength - m_nLength + 1);
    ReleaseBuffer(nNewLength);
    return m_pData;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, LPCTSTR b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(LPCTSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, char ch)
{
    CString r(a);
    r += ch;
    return r;
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(b == a); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
