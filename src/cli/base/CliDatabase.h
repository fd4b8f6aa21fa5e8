// CCliDatabase: a database file loaded whole into memory by a command, with what
// it takes to save it again under the same key.
//
// A command that changes a database asks for every password it needs (and its
// questions) before it takes the database's lock (CDatabaseLock), so that
// nobody waits for a user at a prompt: LoadForChange reads and deciphers the
// file without the lock; LockForChange then takes it, reads the file again and
// keeps it until the save. The save replaces the file only while it still holds
// the bytes read under the lock: two changes at once either both land, or the
// later one fails and writes nothing.
#pragma once

#include <initializer_list>

#include "cli/base/PasswordInput.h"
#include "database/core/DatabaseCodec.h"
#include "database/core/DatabaseLock.h"
#include "framework/portable/CMemFile.h"

class CCliDatabase {
public:
    explicit CCliDatabase(CCliContext& context) : m_context(context) {}

    // Reads the file at strPath and every entry in it, asking for the password
    // when the file is locked. Throws CCliError: kExitIo when the path is not a
    // regular file or cannot be read, kExitDatabase when it is not a database or
    // does not decipher. A locked database without entries gets a note on
    // standard error: any password opens it.
    void Load(const CString& strPath, CPasswordInput& passwords);
    // As Load, for another file of a command that opened a database already
    // (merge's OTHER and BASE, diff's B): a locked file is first tried with the
    // key of each database of known that is locked, in order, and its password
    // is asked for only when none of them opens it.
    void LoadTryingKeys(const CString& strPath, std::initializer_list<const CCliDatabase*> known,
                        CPasswordInput& passwords);
    // As Load, for a command that changes the database: a read-only file is
    // refused first, and a locked database without entries needs its password
    // twice. No lock is taken yet.
    void LoadForChange(const CString& strPath, CPasswordInput& passwords);
    // Takes the database's lock (held until this object goes) and reads the file
    // again. When another program saved it since LoadForChange, the entries are
    // read anew from its bytes, under the same password; a file that no longer
    // opens with it throws CCliError (kExitIo), nothing written.
    void LockForChange();
    // For a command that acts on an entry as the user saw it, after
    // LockForChange: throws CCliError (kExitIo) unless entry nIndex is still seen.
    void RequireEntry(int nIndex, const CEntry& seen) const;
    // For a new database at strPath, which Save creates (taking the lock, and
    // only while nothing is there): refuses a path where anything exists (a link
    // that leads nowhere too).
    void StartNew(const CString& strPath);

    // Writes the entries back under wLocked and strKey through the replace-on-
    // success writer. Throws CCliError (kExitIo) when the file was not replaced;
    // it is unchanged then.
    void Save();

    CString strPath;
    CEntryList list;
    WORD wLocked = 0;  // 1 when locked with a password
    CString strKey;    // the password, or the built-in key when not locked

private:
    void Read(const CString& strFilePath, CPasswordInput& passwords, BOOL bForChange,
              std::initializer_list<const CCliDatabase*> known = {});
    void Lock();
    CCliError ChangedMeanwhile() const;

    CCliContext& m_context;
    CDatabaseLock m_lock;
    CMemFile m_bytesRead;  // the file as it was read
    BOOL m_bNew = FALSE;
};

// Sets the lock flag and key for a new password, or for no lock when strPassword
// is empty.
void SetDatabaseKey(CCliDatabase& db, const CString& strPassword);

// The error for a status other than ok: the program's message for it, on one line.
CCliError DatabaseStatusError(const CString& strPath, DatabaseStatus status);
