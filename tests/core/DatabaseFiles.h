// Database files held as byte vectors, for tests that write, inspect, damage and
// read them back without touching the disk.
#pragma once

#include <vector>

#include "common/FailingFile.h"
#include "database/core/BlowfishStream.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

using Bytes = std::vector<BYTE>;

// A generator whose filler bytes are known: the low bytes of its values run
// 0xF0, 0xF1, ... from every Seed, above a high byte that the writer must drop.
class CFixedRandom : public CRandom {
public:
    void Seed() override
    {
        ++m_nSeeds;
        m_nNext = 0;
    }
    int Next() override { return 0x3700 + 0xF0 + m_nNext++; }
    static BYTE Filler(int i) { return static_cast<BYTE>(0xF0 + i); }

    int m_nSeeds = 0;
    int m_nNext = 0;
};

inline Bytes FileBytes(const CMemFile& file)
{
    return Bytes(file.GetData(), file.GetData() + file.GetLength());
}

inline void LoadBytes(CMemFile& file, const Bytes& bytes)
{
    file.SetLength(0);
    file.SeekToBegin();
    if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
}

inline Bytes WriteDatabaseBytes(const CEntryList& list, WORD wLocked = 0, const CString& strKey = kBuiltInKey)
{
    CMemFile file;
    CFixedRandom random;
    if (WriteDatabase(file, list, wLocked, strKey, random) != DatabaseStatus::ok) return Bytes();
    return FileBytes(file);
}

// Header then body, with the key the lock flag chooses, as the document reads.
inline DatabaseStatus ReadDatabaseBytes(const Bytes& bytes, CEntryList& list, const CString& strPassword = "")
{
    CMemFile file;
    LoadBytes(file, bytes);
    DatabaseHeader header;
    DatabaseStatus status = ReadDatabaseHeader(file, header);
    if (status != DatabaseStatus::ok) return status;
    return ReadDatabaseBody(file, header, DatabaseKeyText(header.wLocked, strPassword), list);
}

// A file with the given header words and a body enciphered from any plaintext,
// for bodies the writer would never produce.
inline Bytes MakeDatabaseFile(WORD wLocked, WORD wCount, const Bytes& plaintext, const CString& strKey = kBuiltInKey,
                              WORD wVersion = 1, WORD wReserved = 1)
{
    Bytes out = {'V', 'A', 'U', 'L', 'T', 'R', 'Y'};
    for (WORD w : {wReserved, wVersion, wLocked, wCount}) {
        out.push_back(static_cast<BYTE>(w));
        out.push_back(static_cast<BYTE>(w >> 8));
    }
    CMemFile plain, body;
    LoadBytes(plain, plaintext);
    EncryptStream(&plain, &body, reinterpret_cast<const BYTE*>(strKey.GetString()),
                  static_cast<short>(strKey.GetLength()));
    Bytes enciphered = FileBytes(body);
    out.insert(out.end(), enciphered.begin(), enciphered.end());
    return out;
}

