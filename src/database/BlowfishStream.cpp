#include "database/BlowfishStream.h"

#include "database/Blowfish.h"

namespace {

// The data moves through this buffer, never as a whole file.
const UINT kChunk = 8192;

int RunStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength, bool bEncipher)
{
    const ULONGLONG total = pSource->GetLength();
    BlowfishSetKey(pKey, nKeyLength);
    BYTE buffer[kChunk];
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
    SecureZero(buffer, sizeof buffer);
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
