#include "framework/portable/CArchive.h"

#include <climits>
#include <cstring>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_bLoading((nMode & load) != 0), m_bNoFlushOnDelete((nMode & bNoFlushOnDelete) != 0),
      m_nBufSize(nBufSize < 128 ? 128u : static_cast<UINT>(nBufSize))
{
    m_lpBufStart = new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_bLoading ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    if (m_pFile && !m_bLoading && !m_bNoFlushOnDelete) {
        try {
            Flush();
        } catch (const CException&) {
            // A destructor cannot report; callers that care call Close().
        }
    }
    SecureZero(m_lpBufStart, m_nBufSize);
    delete[] m_lpBufStart;
}

void CArchive::ThrowEndOfFile() { throw CArchiveException(CArchiveException::endOfFile); }

void CArchive::CheckLoading() const
{
    if (!m_pFile || !m_bLoading) throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (!m_pFile || m_bLoading) throw CArchiveException(CArchiveException::readOnly);
}

void CArchive::FillBuffer()
{
    UINT n = m_pFile->Read(m_lpBufStart, m_nBufSize);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + n;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        UINT avail = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (!avail) {
            // Large reads bypass the buffer.
            if (nMax - done >= m_nBufSize) {
                UINT n = m_pFile->Read(out + done, nMax - done);
                done += n;
                break;
            }
            FillBuffer();
            avail = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
            if (!avail) break;
        }
        UINT n = nMax - done < avail ? nMax - done : avail;
        std::memcpy(out + done, m_lpBufCur, n);
        m_lpBufCur += n;
        done += n;
    }
    return done;
}

void CArchive::Write(const void* lpBuf, UINT nCount)
{
    CheckStoring();
    const BYTE* in = static_cast<const BYTE*>(lpBuf);
    while (nCount) {
        UINT room = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (!room) {
            Flush();
            if (nCount >= m_nBufSize) {
                m_pFile->Write(in, nCount);
                return;
            }
            room = m_nBufSize;
        }
        UINT n = nCount < room ? nCount : room;
        std::memcpy(m_lpBufCur, in, n);
        m_lpBufCur += n;
        in += n;
        nCount -= n;
    }
}

void CArchive::Flush()
{
    if (!m_pFile || m_bLoading) return;
    UINT n = static_cast<UINT>(m_lpBufCur - m_lpBufStart);
    m_lpBufCur = m_lpBufStart;
    if (n) m_pFile->Write(m_lpBufStart, n);
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() { m_pFile = nullptr; }

ULONGLONG CArchive::GetBytesLeft() const
{
    CheckLoading();
    ULONGLONG inFile = m_pFile->GetLength();
    ULONGLONG pos = m_pFile->GetPosition();
    return static_cast<ULONGLONG>(m_lpBufMax - m_lpBufCur) + (inFile > pos ? inFile - pos : 0);
}

CArchive& CArchive::operator<<(BYTE by)
{
    Write(&by, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
    BYTE b[2] = {static_cast<BYTE>(w), static_cast<BYTE>(w >> 8)};
    Write(b, 2);
    return *this;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    BYTE b[4] = {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8), static_cast<BYTE>(dw >> 16),
                 static_cast<BYTE>(dw >> 24)};
    Write(b, 4);
    return *this;
}

// Length prefix: one byte below 255; 0xFF and a word below 65,534; else 0xFF,
// 0xFFFF and a 32-bit word.
CArchive& CArchive::operator<<(const CString& s)
{
    DWORD n = static_cast<DWORD>(s.GetLength());
    if (n < 255) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(n);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << n;
    }
    Write(s.GetString(), n);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    CheckLoading();
    if (m_lpBufCur == m_lpBufMax) {
        FillBuffer();
        if (m_lpBufCur == m_lpBufMax) ThrowEndOfFile();
    }
    by = *m_lpBufCur++;
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    BYTE b[2];
    if (Read(b, 2) != 2) ThrowEndOfFile();
    w = static_cast<WORD>(b[0] | (b[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    BYTE b[4];
    if (Read(b, 4) != 4) ThrowEndOfFile();
    dw = static_cast<DWORD>(b[0]) | static_cast<DWORD>(b[1]) << 8 | static_cast<DWORD>(b[2]) << 16 |
         static_cast<DWORD>(b[3]) << 24;
    return *this;
}

// Reads a length-prefixed string. Most texts are shorter than 255 bytes and lie
// wholly in the buffer with their one-byte prefix: they are taken from there in
// one step, the others the general way.
CArchive& CArchive::operator>>(CString& s)
{
    CheckLoading();
    if (m_lpBufCur < m_lpBufMax) {
        const DWORD n = *m_lpBufCur;
        if (n != 0xFF && n < static_cast<DWORD>(m_lpBufMax - m_lpBufCur)) {
            s.SetString(reinterpret_cast<const char*>(m_lpBufCur + 1), static_cast<int>(n));
            m_lpBufCur += 1 + n;
            return *this;
        }
    }
    ReadPrefixedString(s);
    return *this;
}

// The length is checked against the bytes that are left before anything is
// allocated, so a garbled prefix (a wrong key) gives an end-of-file error instead
// of a huge allocation. The prefix 0xFF 0xFFFE marks 16-bit characters, which
// this program does not read.
void CArchive::ReadPrefixedString(CString& s)
{
    BYTE b;
    *this >> b;
    DWORD n = b;
    if (b == 0xFF) {
        WORD w;
        *this >> w;
        n = w;
        if (w == 0xFFFE) throw CArchiveException(CArchiveException::badSchema);
        if (w == 0xFFFF) *this >> n;
    }
    if (n <= static_cast<DWORD>(m_lpBufMax - m_lpBufCur)) {
        s.SetString(reinterpret_cast<const char*>(m_lpBufCur), static_cast<int>(n));
        m_lpBufCur += n;
        return;
    }
    if (n > GetBytesLeft() || n > static_cast<DWORD>(INT_MAX)) ThrowEndOfFile();
    CString text;
    char* p = text.GetBuffer(static_cast<int>(n));
    UINT got = Read(p, n);
    text.ReleaseBuffer(static_cast<int>(got));
    if (got != n) ThrowEndOfFile();
    s = static_cast<CString&&>(text);
}

void CArchive::WriteString(LPCTSTR psz)
{
    if (psz) Write(psz, static_cast<UINT>(std::strlen(psz)));
}

void CArchive::WriteString(const CString& s) { Write(s.GetString(), static_cast<UINT>(s.GetLength())); }

BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    rString.Empty();
    BOOL bStarted = FALSE;
    for (;;) {
        if (m_lpBufCur == m_lpBufMax) {
            FillBuffer();
            if (m_lpBufCur == m_lpBufMax) return bStarted;
        }
        // Take the run of ordinary bytes up to the next line end or zero byte at once.
        BYTE* start = m_lpBufCur;
        while (m_lpBufCur < m_lpBufMax && *m_lpBufCur != '\n' && *m_lpBufCur != '\r' && *m_lpBufCur != 0) ++m_lpBufCur;
        if (m_lpBufCur > start) {
            rString.Append(reinterpret_cast<const char*>(start), static_cast<int>(m_lpBufCur - start));
            bStarted = TRUE;
        }
        if (m_lpBufCur == m_lpBufMax) continue;
        BYTE end = *m_lpBufCur++;
        if (end == 0) {  // a text line cannot hold a zero byte: it is dropped
            ++m_nDroppedZeros;
            continue;
        }
        if (end == '\r') {
            if (m_lpBufCur == m_lpBufMax) FillBuffer();
            if (m_lpBufCur < m_lpBufMax && *m_lpBufCur == '\n') ++m_lpBufCur;
        }
        return TRUE;
    }
}
