#include "framework/portable/CMemFile.h"

#include <cstdlib>
#include <cstring>
#include <new>

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes ? nGrowBytes : 1024), m_lpBuffer(nullptr), m_nBufferSize(0), m_nFileSize(0),
      m_nPosition(0)
{}

CMemFile::~CMemFile() { Free(); }

void CMemFile::Free()
{
    if (m_lpBuffer) {
        SecureZero(m_lpBuffer, m_nBufferSize);
        std::free(m_lpBuffer);
    }
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
}

// Grows the buffer to hold at least nNewLen bytes. It grows by at least the grow
// step and by at least half its size, so that writing a large file byte by byte
// stays linear.
void CMemFile::GrowFile(ULONGLONG nNewLen)
{
    if (nNewLen <= m_nBufferSize) return;
    std::size_t want = m_nBufferSize + m_nBufferSize / 2;
    if (want < nNewLen) want = static_cast<std::size_t>(nNewLen);
    want = (want + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    BYTE* p = static_cast<BYTE*>(std::malloc(want));
    if (!p) throw std::bad_alloc();
    if (m_lpBuffer) {
        std::memcpy(p, m_lpBuffer, m_nFileSize);
        SecureZero(m_lpBuffer, m_nBufferSize);
        std::free(m_lpBuffer);
    }
    m_lpBuffer = p;
    m_nBufferSize = want;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize) return 0;
    std::size_t left = m_nFileSize - m_nPosition;
    if (nCount > left) nCount = static_cast<UINT>(left);
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nCount);
    m_nPosition += nCount;
    return nCount;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (!nCount) return;
    std::size_t nEnd = m_nPosition + nCount;
    GrowFile(nEnd);
    if (m_nPosition > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (nEnd > m_nFileSize) m_nFileSize = nEnd;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                    : nFrom == end   ? static_cast<LONGLONG>(m_nFileSize)
                                     : 0;
    LONGLONG pos = base + lOff;
    if (pos < 0) throw CFileException(CFileException::badSeek);
    m_nPosition = static_cast<std::size_t>(pos);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG nNewLen)
{
    GrowFile(nNewLen);
    if (nNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, nNewLen - m_nFileSize);
    else if (m_lpBuffer)
        SecureZero(m_lpBuffer + nNewLen, m_nFileSize - nNewLen);
    m_nFileSize = static_cast<std::size_t>(nNewLen);
    if (m_nPosition > m_nFileSize) m_nPosition = m_nFileSize;
}

void CMemFile::Close() { Free(); }
