// CDatabaseLock: only one process at a time changes a database. vaultry-cli holds
// the lock from before it reads a database until it has replaced it, the
// program's save for the length of the save; the others wait for it.
//
// - POSIX: an exclusive flock on the database file itself. A save replaces the
//   file, so a process that waited for the lock on the old file sees that the
//   path now names another file, and locks that one instead. A path with no file
//   has nothing to lock: the lock is then held at once.
// - Windows: a named mutex for the database's full path (case folded). The file
//   itself cannot be kept open, since Windows does not replace an open file. A
//   mutex left by a process that ended is taken over.
//
// The lock binds only processes that take it; the writer also checks that the
// file is still the one that was read (CReplaceOnSuccessFile::RequireTarget).
#pragma once

#include "framework/portable/CString.h"
#include "framework/portable/Exceptions.h"

const DWORD kDatabaseLockWaitMs = 20000;

class CDatabaseLock {
public:
    CDatabaseLock() = default;
    ~CDatabaseLock() { Release(); }
    CDatabaseLock(const CDatabaseLock&) = delete;
    CDatabaseLock& operator=(const CDatabaseLock&) = delete;

    // Takes the lock of the database at pszPath (links followed), waiting up to
    // dwWaitMs for another process to release it. Throws CFileException naming
    // pszPath: lockViolation when it is still held then, or the cause that kept
    // the file from being opened.
    void Acquire(LPCTSTR pszPath, DWORD dwWaitMs = kDatabaseLockWaitMs);
    void Release();
    BOOL IsHeld() const { return m_bHeld; }

private:
    BOOL m_bHeld = FALSE;
#ifdef _WIN32
    void* m_hMutex = nullptr;
#else
    int m_fd = -1;
#endif
};
