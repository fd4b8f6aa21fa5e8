// The POSIX half of PlatformFile.h.
#include "framework/portable/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/portable/CFile.h"

namespace {

// The position of the path's last slash, -1 when it has none.
int LastSlash(const CString& strPath)
{
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '/') nSlash = i;
    return nSlash;
}

// The folder part of a path: "." for a bare name, "/" for a file in the root.
CString FolderOf(const CString& strPath)
{
    int nSlash = LastSlash(strPath);
    return nSlash < 0 ? CString(".") : (nSlash == 0 ? CString("/") : strPath.Left(nSlash));
}

long long MonotonicMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Whether fd is still the file that strPath names.
bool StillNamedBy(int fd, const CString& strPath)
{
    struct stat open, named;
    return ::fstat(fd, &open) == 0 && ::stat(strPath, &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

PathKind GetPathKind(LPCTSTR pszPath)
{
    struct stat st;
    if (::lstat(pszPath, &st) != 0) return PathKind::missing;
    if (S_ISREG(st.st_mode)) return PathKind::regular;
    if (S_ISDIR(st.st_mode)) return PathKind::folder;
    if (S_ISLNK(st.st_mode)) return PathKind::link;
    if (S_ISFIFO(st.st_mode)) return PathKind::fifo;
    if (S_ISSOCK(st.st_mode)) return PathKind::socket;
    return PathKind::device;
}

CString ResolveLinks(LPCTSTR pszPath)
{
    CString strPath = pszPath;
    for (int nLinks = 0; nLinks < 40 && GetPathKind(strPath) == PathKind::link; ++nLinks) {
        char target[4096];
        ssize_t n = ::readlink(strPath, target, sizeof target);
        if (n <= 0 || n == static_cast<ssize_t>(sizeof target)) break;
        CString strTarget(target, static_cast<int>(n));
        int nSlash = LastSlash(strPath);
        strPath = strTarget[0] == '/' || nSlash < 0 ? strTarget : strPath.Left(nSlash + 1) + strTarget;
    }
    return strPath;
}

BOOL IsReadOnlyFile(LPCTSTR pszPath)
{
    struct stat st;
    if (::stat(pszPath, &st) != 0) return FALSE;
    return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, pszPath, W_OK, AT_EACCESS) != 0;
}

FileStamp GetFileStamp(LPCTSTR pszPath)
{
    FileStamp stamp;
    struct stat st;
    if (::stat(pszPath, &st) != 0) return stamp;
    stamp.bExists = TRUE;
    stamp.nSize = static_cast<ULONGLONG>(st.st_size);
    stamp.nWriteTime = static_cast<ULONGLONG>(st.st_mtim.tv_sec) * 1000000000ULL + st.st_mtim.tv_nsec;
    return stamp;
}

namespace PlatformFile {

int Open(LPCTSTR pszPath, int nAccess, UINT) { return ::open(pszPath, nAccess | O_CLOEXEC, 0666); }

int CreateNew(LPCTSTR pszPath) { return ::open(pszPath, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600); }

long long Read(int fd, void* pBuffer, unsigned nCount) { return ::read(fd, pBuffer, nCount); }
long long Write(int fd, const void* pBuffer, unsigned nCount) { return ::write(fd, pBuffer, nCount); }
long long Seek(int fd, long long nOffset, int nFrom) { return ::lseek(fd, nOffset, nFrom); }
int Truncate(int fd, long long nLength) { return ::ftruncate(fd, nLength); }
int Sync(int fd) { return ::fsync(fd); }
int Close(int fd) { return ::close(fd); }

void TakeOverAccess(int fd, LPCTSTR pszModel)
{
    struct stat st;
    if (::stat(pszModel, &st) != 0) return;
    mode_t mode = st.st_mode & 0777;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
        mode &= ~static_cast<mode_t>(0070);
    ::fchmod(fd, mode);
}

BOOL Exists(LPCTSTR pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0;
}

int Remove(LPCTSTR pszPath) { return ::unlink(pszPath); }

int Rename(LPCTSTR pszOldName, LPCTSTR pszNewName) { return std::rename(pszOldName, pszNewName); }

// rename() replaces the target atomically on POSIX file systems.
void Replace(LPCTSTR pszFrom, LPCTSTR pszTo)
{
    if (std::rename(pszFrom, pszTo) != 0) throw CFileException(FileCauseFromErrno(errno), errno, pszTo);
}

void ReplaceWhenFree(LPCTSTR pszFrom, LPCTSTR pszTo) { Replace(pszFrom, pszTo); }

// A second name for the file, which link() never gives over an existing one.
BOOL MoveToFreeName(LPCTSTR pszFrom, LPCTSTR pszTo)
{
    if (::link(pszFrom, pszTo) == 0) {
        ::unlink(pszFrom);
        return TRUE;
    }
    if (errno == EEXIST) return FALSE;
    // A file system without hard links: the look just before has to do.
    if (GetPathKind(pszTo) != PathKind::missing) return FALSE;
    Replace(pszFrom, pszTo);
    return TRUE;
}

void SyncFolderOf(LPCTSTR pszPath)
{
    int fd = ::open(FolderOf(pszPath), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace PlatformFile

void CFileLock::Acquire(LPCTSTR pszPath, LPCTSTR, DWORD dwWaitMs)
{
    Release();
    const CString strFile = ResolveLinks(pszPath);
    const long long nDeadline = MonotonicMs() + dwWaitMs;
    for (;;) {
        // Never blocks, even on a FIFO; the callers refuse those before they read.
        int fd = ::open(strFile, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) break;  // nothing to lock yet
        if (fd < 0) throw CFileException(FileCauseFromErrno(errno), errno, pszPath);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks here (a network share): go on
            if (MonotonicMs() >= nDeadline) {
                ::close(fd);
                throw CFileException(CFileException::lockViolation, 0, pszPath);
            }
            struct timespec pause = {0, 5L * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
        if (StillNamedBy(fd, strFile)) {
            m_fd = fd;
            break;
        }
        ::close(fd);  // replaced while this process waited: lock the new file
    }
    m_bHeld = TRUE;
}

void CFileLock::Release()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_bHeld = FALSE;
}
