// Blowfish in ECB mode over files: everything from the source's current position
// to its end is enciphered (or deciphered) and written at the destination's
// current position. A final part shorter than 8 bytes is copied unchanged, so the
// output is exactly as long as the input. Both return 1; file errors are thrown.
#pragma once

#include "framework/portable/CFile.h"

int EncryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength);
int DecryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength);

// The source's bytes from its current position to its end, deciphered as they are
// read, in the same way as DecryptStream: a file a reader can parse a database body
// from without its cleartext ever being held whole. A read of at least kChunk bytes
// is deciphered straight into the caller's buffer. The key is set up when it is
// made; the cipher tables and its own buffer are zeroed when it is destroyed. Only
// reading and the position and length work; other operations fail as on a closed
// file.
class CDecipheringFile : public CFile {
public:
    static const UINT kChunk = 8192;

    CDecipheringFile(CFile& source, const BYTE* pKey, short nKeyLength);
    ~CDecipheringFile() override;

    UINT Read(void* lpBuf, UINT nCount) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_nLength; }

private:
    CFile& m_source;
    const ULONGLONG m_nSourceEnd;
    ULONGLONG m_nLength;  // cut to what the source gave if it ended early
    ULONGLONG m_nPosition = 0;
    ULONGLONG m_nTaken = 0;  // bytes taken from the source so far
    bool m_bEnded = false;
    BYTE m_buffer[kChunk];  // deciphered bytes not yet read, for short reads
    UINT m_nNext = 0, m_nEnd = 0;
};
