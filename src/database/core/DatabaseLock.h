// CDatabaseLock: only one process at a time changes a database. vaultry-cli holds
// the lock from before it reads a database until it has replaced it, the
// program's save for the length of the save; the others wait for it.
//
// The lock is a CFileLock: a flock on the database file on POSIX, a named mutex
// for its full path on Windows.
//
// The lock binds only processes that take it; the writer also checks that the
// file is still the one that was read (CReplaceOnSuccessFile::RequireTarget).
#pragma once

#include "framework/portable/PlatformFile.h"

const DWORD kDatabaseLockWaitMs = 20000;

class CDatabaseLock {
public:
    // Takes the lock of the database at pszPath (links followed), waiting up to
    // dwWaitMs for another process to release it. Throws CFileException naming
    // pszPath: lockViolation when it is still held then, or the cause that kept
    // the file from being opened.
    void Acquire(LPCTSTR pszPath, DWORD dwWaitMs = kDatabaseLockWaitMs)
    {
        m_lock.Acquire(pszPath, "Vaultry database", dwWaitMs);
    }
    void Release() { m_lock.Release(); }
    BOOL IsHeld() const { return m_lock.IsHeld(); }

private:
    CFileLock m_lock;
};
