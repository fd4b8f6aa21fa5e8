#include "database/core/DatabaseCodec.h"

#include <cstring>

#include "database/core/BlowfishStream.h"
#include "framework/portable/CMemFile.h"

namespace {

const UINT kArchiveBuffer = 512;

DatabaseStatus CheckKey(const CString& strKey)
{
    if (strKey.IsEmpty() || strKey.GetLength() > kMaxKeyLength) return DatabaseStatus::badKey;
    return DatabaseStatus::ok;
}

const BYTE* KeyBytes(const CString& strKey) { return reinterpret_cast<const BYTE*>(strKey.GetString()); }

DatabaseStatus CheckWrite(const CEntryList& list, const CString& strKey)
{
    if (list.GetCount() > kMaxEntries) return DatabaseStatus::tooManyEntries;
    return CheckKey(strKey);
}

// Appends nCount records to list, each read straight into its place; throws
// CArchiveException at the first record that cannot be read, leaving it partly
// read at the end of the list for the caller to remove.
void ReadRecords(CArchive& ar, WORD nCount, CEntryList& list)
{
    // A record takes at least 4 bytes, so a count larger than the data allows
    // cannot make the list reserve more than the data could fill.
    const ULONGLONG nPossible = ar.GetBytesLeft() / 4;
    list.Reserve(list.GetCount() + static_cast<int>(nCount < nPossible ? nCount : nPossible));
    for (int i = 0; i < nCount; ++i) {
        CEntry& entry = list.AddEmpty();
        ar >> entry.m_strFor >> entry.m_strUsername >> entry.m_strPassword >> entry.m_strNotes;
    }
}

// Removes the entries from nIndex on, last first (each removal is then cheap).
void RemoveFrom(CEntryList& list, int nIndex)
{
    while (list.GetCount() > nIndex) list.RemoveAt(list.GetCount() - 1);
}

}  // namespace

LPCTSTR DatabaseStatusMessage(DatabaseStatus status)
{
    switch (status) {
    case DatabaseStatus::ok:
        return "";
    case DatabaseStatus::notDatabase:
        return "This is not a Vaultry database, or else it is corrupted.";
    case DatabaseStatus::newerVersion:
        return "This Vaultry database cannot be read using this version.\n"
               "See our website for new releases. Select Help, About for website.";
    case DatabaseStatus::headerTruncated:
        return "Error reading database.";
    case DatabaseStatus::unreadable:
        return "Error reading database.  File is corrupt or password is incorrect.";
    case DatabaseStatus::tooManyEntries:
        return "This database holds more than 65,535 entries, which is more than a Vaultry database file can "
               "hold.\nDelete some entries, then save again.";
    case DatabaseStatus::badKey:
        return "The password must be 1 to 32,767 characters long.";
    }
    return "";
}

CString DatabaseKeyText(WORD wLocked, const CString& strPassword)
{
    return wLocked == 1 ? strPassword : CString(kBuiltInKey);
}

void WriteDatabaseHeader(CArchive& ar, WORD wLocked, WORD wEntryCount)
{
    ar.Write(kDatabaseMagic, 7);
    ar << static_cast<WORD>(1) << kDatabaseVersion << wLocked << wEntryCount;
}

DatabaseStatus ReadDatabaseHeader(CArchive& ar, DatabaseHeader& header)
{
    char magic[8] = ".......";
    try {
        ar.Read(magic, 7);
        if (std::strcmp(magic, kDatabaseMagic) != 0) return DatabaseStatus::notDatabase;
        ar >> header.wReserved >> header.wVersion;
        if (header.wVersion > kDatabaseVersion) return DatabaseStatus::newerVersion;
        ar >> header.wLocked >> header.wEntryCount;
    } catch (const CArchiveException&) {
        return DatabaseStatus::headerTruncated;
    }
    return DatabaseStatus::ok;
}

DatabaseStatus WriteDatabase(CFile& file, const CEntryList& list, WORD wLocked, const CString& strKey, CRandom& random)
{
    DatabaseStatus status = CheckWrite(list, strKey);
    if (status != DatabaseStatus::ok) return status;
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        WriteDatabaseHeader(ar, wLocked, static_cast<WORD>(list.GetCount()));
        ar.Close();
    }
    return WriteDatabaseBody(file, list, strKey, random);
}

DatabaseStatus WriteDatabaseBody(CFile& file, const CEntryList& list, const CString& strKey, CRandom& random)
{
    DatabaseStatus status = CheckWrite(list, strKey);
    if (status != DatabaseStatus::ok) return status;
    CMemFile plain(1024);
    {
        CArchive ar(&plain, CArchive::store, kArchiveBuffer);
        for (int i = 0; i < list.GetCount(); ++i) {
            const CEntry& e = list.ElementAt(i);
            ar << e.m_strFor << e.m_strUsername << e.m_strPassword << e.m_strNotes;
        }
        random.Seed();
        for (UINT i = 0; i < kFillerSize; ++i) ar << static_cast<BYTE>(random.Next() & 0xFF);
        ar.Close();
    }
    plain.SeekToBegin();
    EncryptStream(&plain, &file, KeyBytes(strKey), static_cast<short>(strKey.GetLength()));
    return DatabaseStatus::ok;
}

DatabaseStatus ReadDatabaseHeader(CFile& file, DatabaseHeader& header)
{
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    return ReadDatabaseHeader(ar, header);
}

DatabaseStatus ReadDatabaseBody(CFile& file, const DatabaseHeader& header, const CString& strKey, CEntryList& list)
{
    DatabaseStatus status = CheckKey(strKey);
    if (status != DatabaseStatus::ok) return status;
    file.Seek(kHeaderSize, CFile::begin);
    // The body is deciphered piece by piece as the archive reads it, straight
    // into the archive's buffer: its cleartext is never held whole, and each
    // piece is parsed while it is still in the processor's cache.
    CDecipheringFile body(file, KeyBytes(strKey), static_cast<short>(strKey.GetLength()));
    // The records go straight into the list; a failure takes them out again.
    const int nBefore = list.GetCount();
    bool bRead = false;
    try {
        CArchive ar(&body, CArchive::load, CDecipheringFile::kChunk);
        ReadRecords(ar, header.wEntryCount, list);
        bRead = ar.GetBytesLeft() == kFillerSize;
    } catch (const CArchiveException&) {
        // a record runs past the end: bRead stays false
    } catch (...) {
        RemoveFrom(list, nBefore);
        throw;
    }
    if (!bRead) {
        RemoveFrom(list, nBefore);
        return DatabaseStatus::unreadable;
    }
    return DatabaseStatus::ok;
}
