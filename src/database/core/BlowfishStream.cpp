#include "database/core/BlowfishStream.h"

#include <cstring>

#include "database/core/Blowfish.h"

namespace {

// The data moves through a buffer of this size, never as a whole file.
const UINT kChunk = CDecipheringFile::kChunk;

// On every way out of a stream operation, exceptions included: the buffer held
// plaintext, and the tables hold a schedule that deciphers without the key.
class CStreamWipe {
public:
    CStreamWipe(BYTE* pBuffer, std::size_t nSize) : m_pBuffer(pBuffer), m_nSize(nSize) {}
    ~CStreamWipe()
    {
        SecureZero(m_pBuffer, m_nSize);
        BlowfishClear();
    }

private:
    BYTE* m_pBuffer;
    std::size_t m_nSize;
};

// The next piece of the source, up to nEnd, read into buffer (kChunk bytes) and
// processed: whole blocks, or a final part shorter than a block as it stands. A
// short read means the source ended early: its whole blocks are processed and any
// partial block is kept like a final part. bLast tells that nothing follows.
UINT NextChunk(CFile& source, ULONGLONG nEnd, BYTE* buffer, bool bEncipher, bool& bLast)
{
    const ULONGLONG pos = source.GetPosition();
    const ULONGLONG remaining = nEnd > pos ? nEnd - pos : 0;
    if (remaining < 8) {
        bLast = true;
        return source.Read(buffer, static_cast<UINT>(remaining));
    }
    const UINT want = remaining < kChunk ? static_cast<UINT>(remaining & ~ULONGLONG(7)) : kChunk;
    const UINT got = source.Read(buffer, want);
    if (bEncipher)
        BlowfishEncipherBlocks(buffer, got / 8);
    else
        BlowfishDecipherBlocks(buffer, got / 8);
    bLast = got < want;
    return got;
}

int RunStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength, bool bEncipher)
{
    BYTE buffer[kChunk];
    CStreamWipe wipe(buffer, sizeof buffer);
    const ULONGLONG total = pSource->GetLength();
    BlowfishSetKey(pKey, nKeyLength);
    for (bool bLast = false; !bLast;) {
        const UINT n = NextChunk(*pSource, total, buffer, bEncipher, bLast);
        pDest->Write(buffer, n);
    }
    return 1;
}

}  // namespace

int EncryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength)
{
    return RunStream(pSource, pDest, pKey, nKeyLength, true);
}

int DecryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength)
{
    return RunStream(pSource, pDest, pKey, nKeyLength, false);
}

CDecipheringFile::CDecipheringFile(CFile& source, const BYTE* pKey, short nKeyLength)
    : m_source(source), m_nSourceEnd(source.GetLength())
{
    const ULONGLONG nStart = source.GetPosition();
    m_nLength = m_nSourceEnd > nStart ? m_nSourceEnd - nStart : 0;
    m_strFileName = source.GetFilePath();
    BlowfishSetKey(pKey, nKeyLength);
}

CDecipheringFile::~CDecipheringFile()
{
    SecureZero(m_buffer, sizeof m_buffer);
    BlowfishClear();
}

UINT CDecipheringFile::Read(void* lpBuf, UINT nCount)
{
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        UINT n;
        if (m_nNext < m_nEnd) {
            n = m_nEnd - m_nNext < nCount - done ? m_nEnd - m_nNext : nCount - done;
            std::memcpy(out + done, m_buffer + m_nNext, n);
            m_nNext += n;
        } else if (m_bEnded) {
            break;
        } else {
            // A piece can be as large as kChunk: it goes into the caller's buffer
            // when there is room for it, else into this one.
            const bool bDirect = nCount - done >= kChunk;
            const UINT got = NextChunk(m_source, m_nSourceEnd, bDirect ? out + done : m_buffer, false, m_bEnded);
            m_nTaken += got;
            if (m_bEnded) m_nLength = m_nTaken;
            if (!bDirect) {
                m_nNext = 0;
                m_nEnd = got;
                continue;
            }
            n = got;
        }
        m_nPosition += n;
        done += n;
    }
    return done;
}
