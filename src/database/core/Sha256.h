// CSha256: the SHA-256 hash (FIPS 180-4). The program keeps the hash of a database
// file as it read or wrote it, and compares it with the file's before a save and
// when the file's stamp changed: a file with the same hash holds the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/portable/CFile.h"

struct Sha256Digest {
    BYTE bytes[32] = {};
};
bool operator==(const Sha256Digest& a, const Sha256Digest& b);
inline bool operator!=(const Sha256Digest& a, const Sha256Digest& b) { return !(a == b); }

class CSha256 {
public:
    CSha256();
    // Adds bytes to the message; any number of calls, any sizes.
    void Update(const void* pData, std::size_t nCount);
    // The hash of everything added. The object is spent afterwards.
    Sha256Digest Finish();

    // The hash of one block of bytes.
    static Sha256Digest Of(const void* pData, std::size_t nCount);
    // The hash of a file's bytes, from its start to its end.
    static Sha256Digest OfFile(CFile& file);

private:
    void Compress(const BYTE* pBlock);

    std::uint32_t m_state[8];
    BYTE m_block[64];
    std::size_t m_nInBlock;  // bytes waiting in m_block
    ULONGLONG m_nTotal;      // bytes added in all
};
