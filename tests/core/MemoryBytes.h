// Memory files as byte strings, and databases written and read in memory.
#pragma once

#include <string>

#include "database/core/BlowfishStream.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

inline std::string FileBytes(const CMemFile& file)
{
    return std::string(reinterpret_cast<const char*>(file.GetData()), static_cast<std::size_t>(file.GetLength()));
}

// Replaces what the file holds by the bytes, positioned at its start.
inline void LoadBytes(CMemFile& file, const std::string& bytes)
{
    file.SetLength(0);
    file.SeekToBegin();
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
}

// A generator whose filler bytes are known: 0xF0, 0xF1, ... from every Seed, in
// the low byte of values whose high bytes the writer must drop.
class CFixedRandom : public CRandom {
    int m_nNext = 0;

public:
    void Seed() override { m_nNext = 0; }
    int Next() override { return 0x3700 + 0xF0 + m_nNext++; }
};

// The writer's file with the fixed filler; empty when it refuses.
inline std::string WriteDatabaseBytes(const CEntryList& list, WORD wLocked = 0, const CString& strKey = kBuiltInKey)
{
    CMemFile file;
    CFixedRandom random;
    return WriteDatabase(file, list, wLocked, strKey, random) == DatabaseStatus::ok ? FileBytes(file) : "";
}

// Header then body, with the key the lock flag chooses, as the program reads.
inline DatabaseStatus ReadDatabaseBytes(const std::string& bytes, CEntryList& list, const CString& strPassword = "")
{
    CMemFile file;
    LoadBytes(file, bytes);
    DatabaseHeader header;
    DatabaseStatus status = ReadDatabaseHeader(file, header);
    if (status != DatabaseStatus::ok) return status;
    return ReadDatabaseBody(file, header, DatabaseKeyText(header.wLocked, strPassword), list);
}

// Header words, then any plaintext enciphered with the built-in key: bodies the
// writer would never produce.
inline std::string MakeDatabaseFile(WORD wLocked, WORD wCount, const std::string& plaintext, WORD wVersion = 1)
{
    std::string out = kDatabaseMagic;
    for (WORD w : {WORD(1), wVersion, wLocked, wCount}) out += {static_cast<char>(w), static_cast<char>(w >> 8)};
    CMemFile plain, body;
    LoadBytes(plain, plaintext);
    EncryptStream(&plain, &body, reinterpret_cast<const BYTE*>(kBuiltInKey), sizeof kBuiltInKey - 1);
    return out + FileBytes(body);
}
