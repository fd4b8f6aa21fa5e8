#include "database/core/DatabaseLock.h"

#include "framework/portable/PathKind.h"
#include "framework/portable/CFile.h"

#ifdef _WIN32

#include <windows.h>

void CDatabaseLock::Acquire(LPCTSTR pszPath, DWORD dwWaitMs)
{
    Release();
    char full[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(pszPath, sizeof full, full, nullptr);
    CString strFull = n > 0 && n < sizeof full ? CString(full) : CString(pszPath);
    strFull.MakeUpper();
    // A mutex name cannot hold a backslash: the path goes in as a 64-bit FNV-1a hash.
    unsigned long long hash = 14695981039346656037ULL;
    for (int i = 0; i < strFull.GetLength(); ++i) hash = (hash ^ static_cast<BYTE>(strFull[i])) * 1099511628211ULL;
    CString strName;
    strName.Format("Local\\Vaultry database %016llx", hash);
    HANDLE hMutex = CreateMutexA(nullptr, FALSE, strName);
    if (!hMutex) throw CFileException(CFileException::genericException, static_cast<LONG>(GetLastError()), pszPath);
    DWORD dwResult = WaitForSingleObject(hMutex, dwWaitMs);
    if (dwResult != WAIT_OBJECT_0 && dwResult != WAIT_ABANDONED) {
        CloseHandle(hMutex);
        throw CFileException(CFileException::lockViolation, 0, pszPath);
    }
    m_hMutex = hMutex;
    m_bHeld = TRUE;
}

void CDatabaseLock::Release()
{
    if (m_hMutex) {
        ReleaseMutex(m_hMutex);
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    m_bHeld = FALSE;
}

#else

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

void CDatabaseLock::Acquire(LPCTSTR pszPath, DWORD dwWaitMs)
{
    Release();
    const CString strFile = ResolveLinks(pszPath);
    const long long nDeadline = MonotonicMs() + dwWaitMs;
    for (;;) {
        // Never blocks, even on a FIFO; the caller refuses those before it reads.
        int fd = ::open(strFile, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) break;   // nothing to lock yet
        if (fd < 0) throw CFileException(FileCauseFromErrno(errno), errno, pszPath);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) break;   // no locks here (a network share): go on
            if (MonotonicMs() >= nDeadline) {
                ::close(fd);
                throw CFileException(CFileException::lockViolation, 0, pszPath);
            }
            struct timespec pause = {0, 5 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
        if (StillNamedBy(fd, strFile)) {
            m_fd = fd;
            break;
        }
        ::close(fd);   // replaced while this process waited: lock the new file
    }
    m_bHeld = TRUE;
}

void CDatabaseLock::Release()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_bHeld = FALSE;
}

#endif
