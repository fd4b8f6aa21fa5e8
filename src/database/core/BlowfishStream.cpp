#include "database/core/BlowfishStream.h"

#include "database/core/Blowfish.h"

namespace {

// The data moves through this buffer, never as a whole file.
const UINT kChunk = 8192;

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

int RunStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength, bool bEncipher)
{
    BYTE buffer[kChunk];
    CStreamWipe wipe(buffer, sizeof buffer);
    const ULONGLONG total = pSource->GetLength();
    BlowfishSetKey(pKey, nKeyLength);
    for (;;) {
        ULONGLONG pos = pSource->GetPosition();
        ULONGLONG remaining = total > pos ? total - pos : 0;
        if (remaining < 8) {
            UINT n = pSource->Read(buffer, static_cast<UINT>(remaining));
            pDest->Write(buffer, n);
            break;
        }
        UINT want = remaining < kChunk ? static_cast<UINT>(remaining & ~ULONGLONG(7)) : kChunk;
        UINT got = pSource->Read(buffer, want);
        // A short read means the source ended early: its whole blocks are
        // processed and any partial block is copied like a final tail.
        if (bEncipher) BlowfishEncipherBlocks(buffer, got / 8);
        else BlowfishDecipherBlocks(buffer, got / 8);
        pDest->Write(buffer, got);
        if (got < want) break;
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
