// The system's file calls, behind one interface: opening, creating, moving,
// removing, inspecting, syncing and locking files. CFile, the database writer and
// lock, text export, the document and vaultry-cli's path checks come here; only
// the terminal and the random device of vaultry-cli are opened elsewhere.
// PlatformFilePosix.cpp and PlatformFileWin32.cpp are its two halves.
#pragma once

#include "framework/portable/CString.h"
#include "framework/portable/Exceptions.h"

// What a path names, found without opening it: opening a FIFO waits for a writer
// that may never come, and opening a device can do things of its own. Both the
// database writer and vaultry-cli look before they open or replace a file.
enum class PathKind {
    missing,  // nothing by that name
    regular,  // an ordinary file
    folder,
    link,    // a symbolic link, whether or not it leads anywhere
    device,  // a character or block device; on Windows a name such as NUL or COM1
    fifo,
    socket,
};

// The kind of the path itself: a link is reported as a link, not followed.
PathKind GetPathKind(LPCTSTR pszPath);

// The path that symbolic links at pszPath lead to, followed one after the other
// (a relative link is taken from the link's folder), so that a save replaces the
// file a link points to and the link stays. A path that is no link comes back as
// it is; so does every path on Windows. A loop ends after 40 links.
CString ResolveLinks(LPCTSTR pszPath);

// TRUE for an existing file that this user must not change: one with no write
// permission at all (made read-only on purpose, which holds for an administrator
// too), or one the system would not let this user write.
BOOL IsReadOnlyFile(LPCTSTR pszPath);

// What a folder listing shows of a file, read without opening it: cheap enough to
// look at every second, and changed by every save of the file.
struct FileStamp {
    BOOL bExists = FALSE;      // something is at the path (links followed)
    ULONGLONG nSize = 0;       // bytes
    ULONGLONG nWriteTime = 0;  // last write: nanoseconds since 1970 on POSIX, 100 ns since 1601 on Windows
};
inline bool operator==(const FileStamp& a, const FileStamp& b)
{
    return a.bExists == b.bExists && a.nSize == b.nSize && a.nWriteTime == b.nWriteTime;
}
inline bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }

// The stamp of the file at pszPath; all zero when nothing is there.
FileStamp GetFileStamp(LPCTSTR pszPath);

namespace PlatformFile {

// Open files are the C runtime's file descriptors. These calls answer as the
// system's do: -1 (or a negative count) on failure, with errno set.

// nAccess: O_RDONLY, O_WRONLY or O_RDWR, with O_CREAT and O_TRUNC. nShare: one of
// CFile's share flags, which only Windows enforces. A new file gets the
// permissions the process's umask leaves.
int Open(LPCTSTR pszPath, int nAccess, UINT nShare);
// A new, empty file for reading and writing, for this process's use alone; never
// made through an existing file or link. On POSIX it is private to its owner.
int CreateNew(LPCTSTR pszPath);
long long Read(int fd, void* pBuffer, unsigned nCount);
long long Write(int fd, const void* pBuffer, unsigned nCount);
long long Seek(int fd, long long nOffset, int nFrom);  // SEEK_SET, SEEK_CUR, SEEK_END
int Truncate(int fd, long long nLength);
int Sync(int fd);
int Close(int fd);

// Gives the open file the owner, group and permission bits of pszModel, where
// there is one: a database shared with a group, or saved by an administrator for
// its owner, stays so. Where the group cannot be kept, the group gets no access.
// Nothing on Windows, where the folder's permissions apply.
void TakeOverAccess(int fd, LPCTSTR pszModel);

// Whether anything exists at the path, links followed.
BOOL Exists(LPCTSTR pszPath);
// Removes a file (never a folder): 0, or -1 with errno.
int Remove(LPCTSTR pszPath);
// Gives a file a new name: 0, or -1 with errno.
int Rename(LPCTSTR pszOldName, LPCTSTR pszNewName);
// Moves pszFrom over pszTo, replacing it in one step where the system allows.
// Throws CFileException naming pszTo.
void Replace(LPCTSTR pszFrom, LPCTSTR pszTo);
// Replace, which on Windows tries again for two seconds while another process has
// pszTo open (Windows replaces no file that is open, even for a moment's read).
void ReplaceWhenFree(LPCTSTR pszFrom, LPCTSTR pszTo);
// Moves pszFrom to pszTo only when nothing has that name: FALSE when something
// has, and nothing was moved. Throws CFileException naming pszTo on other failures.
BOOL MoveToFreeName(LPCTSTR pszFrom, LPCTSTR pszTo);
// Makes a rename in pszPath's folder durable. A failure is not reported: the file
// has been renamed when this runs. Nothing on Windows, where moves write through.
void SyncFolderOf(LPCTSTR pszPath);

}  // namespace PlatformFile

// An exclusive lock on a file, held by one process at a time among those that
// take it.
// - POSIX: a flock on the file itself (links followed). A process that waited
//   while the file was replaced sees that the path now names another file, and
//   locks that one instead. A path with no file has nothing to lock: the lock is
//   then held at once.
// - Windows: a mutex named after pszName and the file's full path (case folded),
//   since Windows does not replace an open file. A mutex left by a process that
//   ended is taken over.
class CFileLock {
public:
    CFileLock() = default;
    ~CFileLock() { Release(); }
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Waits up to dwWaitMs for another process to release the lock. Throws
    // CFileException naming pszPath: lockViolation when it is still held then, or
    // the cause that kept the file from being opened.
    void Acquire(LPCTSTR pszPath, LPCTSTR pszName, DWORD dwWaitMs);
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
