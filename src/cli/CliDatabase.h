// CCliDatabase: a database file loaded whole into memory by a command, with what
// it takes to save it again under the same key.
#pragma once

#include "cli/PasswordInput.h"
#include "database/DatabaseCodec.h"

struct CCliDatabase {
    CString strPath;
    CEntryList list;
    WORD wLocked = 0;   // 1 when locked with a password
    CString strKey;     // the password, or the built-in key when not locked

    // Reads the file at strPath and every entry in it, asking for the password
    // when the file is locked. Throws CCliError: kExitIo when the file cannot be
    // read, kExitDatabase when it is not a database or does not decipher.
    void Load(const CString& strPath, CPasswordInput& passwords);

    // Writes the entries back under wLocked and strKey through the replace-on-
    // success writer. Throws CCliError (kExitIo) when the file was not replaced;
    // it is unchanged then.
    void Save() const;

    // The entry index an operand names. Throws CCliError (kExitUsage) unless it is
    // a number from 0 to the count - 1.
    int ParseIndex(const CString& strOperand) const;
};

// Sets the lock flag and key for a new password, or for no lock when strPassword
// is empty.
void SetDatabaseKey(CCliDatabase& db, const CString& strPassword);

// The error for a status other than ok: the program's message for it, on one line.
CCliError DatabaseStatusError(const CString& strPath, DatabaseStatus status);
