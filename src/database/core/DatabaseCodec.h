// The database file: a 15-byte clear header ("VAULTRY", reserved word 1, version
// 1, lock flag, entry count; little-endian words), then the records (four
// length-prefixed strings per entry) and 10 filler bytes, all enciphered with
// Blowfish under the user's password (lock flag 1) or the built-in key.
//
// These functions know nothing of windows or dialogs: the document, the
// command-line tool and the tests all read and write databases through them.
#pragma once

#include "database/core/EntryList.h"
#include "database/core/Random.h"
#include "framework/portable/CArchive.h"

const char kDatabaseMagic[] = "VAULTRY";
const char kBuiltInKey[] = "Default 2001 Quorlan Cipher Seed";
const UINT kHeaderSize = 15;
const UINT kFillerSize = 10;
const WORD kDatabaseVersion = 1;
const int kMaxEntries = 65535;
const int kMaxKeyLength = 32767;

struct DatabaseHeader {
    WORD wReserved = 0;
    WORD wVersion = 0;
    WORD wLocked = 0;  // exactly 1: locked with the user's password
    WORD wEntryCount = 0;
    bool IsLocked() const { return wLocked == 1; }
    // The flag as it is kept and saved: any value but 1 means not locked, 0.
    WORD LockFlag() const { return IsLocked() ? 1 : 0; }
};

enum class DatabaseStatus {
    ok,
    notDatabase,      // the first 7 bytes are not the magic (short and empty files too)
    newerVersion,     // version word above 1
    headerTruncated,  // the file ends inside the header
    unreadable,       // a record runs past the data: a wrong password or a damaged body
    tooManyEntries,   // more entries than the 16-bit count can hold
    badKey,           // a key of no bytes, or too long for the cipher
};

// The message a user is shown for a status, in the program's words.
LPCTSTR DatabaseStatusMessage(DatabaseStatus status);

// The key text for a lock flag: the password when locked, else the built-in key.
CString DatabaseKeyText(WORD wLocked, const CString& strPassword);

// Header. Writing throws the archive's or file's exception on failure.
void WriteDatabaseHeader(CArchive& ar, WORD wLocked, WORD wEntryCount);
// Reads and checks the header; never throws for short or foreign data.
DatabaseStatus ReadDatabaseHeader(CArchive& ar, DatabaseHeader& header);

// Whole files. WriteDatabase writes header and enciphered body at the file's
// current position and throws on file errors; it refuses (returning the status,
// writing nothing) a list longer than 65,535 entries or an unusable key.
DatabaseStatus WriteDatabase(CFile& file, const CEntryList& list, WORD wLocked, const CString& strKey, CRandom& random);
// The enciphered body alone (records, then the 10 filler bytes), at the file's
// current position, for a caller that wrote the header itself. Refuses as
// WriteDatabase does.
DatabaseStatus WriteDatabaseBody(CFile& file, const CEntryList& list, const CString& strKey, CRandom& random);
// Reads a header from the file's start.
DatabaseStatus ReadDatabaseHeader(CFile& file, DatabaseHeader& header);
// Deciphers the body (from offset 15) with strKey and appends its records to
// list. The body must hold exactly the header's count of records followed by
// exactly the 10 filler bytes: the format has no check value, and a wrong key
// almost never deciphers to records that end 10 bytes before the end of the
// file, so any other body is unreadable (as is a truncated or lengthened file).
// On any failure list is left as it was.
DatabaseStatus ReadDatabaseBody(CFile& file, const DatabaseHeader& header, const CString& strKey, CEntryList& list);
