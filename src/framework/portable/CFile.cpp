#include "framework/portable/CFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>   // MoveFileExA, for Replace only
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int OsOpen(const char* name, int flags, int share) { return _sopen(name, flags | _O_BINARY, share, _S_IREAD | _S_IWRITE); }
long long OsRead(int fd, void* p, unsigned n) { return _read(fd, p, n); }
long long OsWrite(int fd, const void* p, unsigned n) { return _write(fd, p, n); }
long long OsSeek(int fd, long long off, int from) { return _lseeki64(fd, off, from); }
int OsTruncate(int fd, long long len) { return _chsize_s(fd, len) == 0 ? 0 : -1; }
int OsSync(int fd) { return _commit(fd); }
int OsClose(int fd) { return _close(fd); }
#else
int OsOpen(const char* name, int flags, int) { return ::open(name, flags | O_CLOEXEC, 0666); }
long long OsRead(int fd, void* p, unsigned n) { return ::read(fd, p, n); }
long long OsWrite(int fd, const void* p, unsigned n) { return ::write(fd, p, n); }
long long OsSeek(int fd, long long off, int from) { return ::lseek(fd, off, from); }
int OsTruncate(int fd, long long len) { return ::ftruncate(fd, len); }
int OsSync(int fd) { return ::fsync(fd); }
int OsClose(int fd) { return ::close(fd); }
#endif

int ShareFlag(UINT nOpenFlags)
{
#ifdef _WIN32
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite: return _SH_DENYWR;
    case CFile::shareDenyRead: return _SH_DENYRD;
    case CFile::shareDenyNone: return _SH_DENYNO;
    default: return _SH_DENYRW;   // shareCompat and shareExclusive
    }
#else
    (void)nOpenFlags;
    return 0;
#endif
}

}  // namespace

CFileException::Cause FileCauseFromErrno(int err)
{
    switch (err) {
    case 0: return CFileException::none;
    case ENOENT: return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return CFileException::badPath;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return CFileException::accessDenied;
    case ENOSPC:
    case EFBIG: return CFileException::diskFull;
    case EIO: return CFileException::hardIO;
    case ESPIPE: return CFileException::badSeek;
    default: return CFileException::genericException;
    }
}

CFile::CFile() : m_hFile(-1) {}

CFile::CFile(LPCTSTR pszFileName, UINT nOpenFlags) : m_hFile(-1)
{
    CFileException e;
    if (!Open(pszFileName, nOpenFlags, &e)) throw e;
}

CFile::~CFile()
{
    if (IsOpen()) Abort();
}

BOOL CFile::Open(LPCTSTR pszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen()) Abort();
    int flags;
    switch (nOpenFlags & 3) {
    case modeWrite: flags = O_WRONLY; break;
    case modeReadWrite: flags = O_RDWR; break;
    default: flags = O_RDONLY; break;
    }
    if (nOpenFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate)) flags |= O_TRUNC;
    }
    m_strFileName = pszFileName;
    m_hFile = OsOpen(pszFileName, flags, ShareFlag(nOpenFlags));
    if (m_hFile < 0) {
        int err = errno;
        if (pError) *pError = CFileException(FileCauseFromErrno(err), err, pszFileName);
        return FALSE;
    }
    return TRUE;
}

void CFile::ThrowOsError(int err) const
{
    throw CFileException(FileCauseFromErrno(err), err, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT done = 0;
    while (done < nCount) {
        long long n = OsRead(m_hFile, static_cast<char*>(lpBuf) + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowOsError(errno);
        }
        if (n == 0) break;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    UINT done = 0;
    while (done < nCount) {
        long long n = OsWrite(m_hFile, static_cast<const char*>(lpBuf) + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowOsError(errno);
        }
        if (n == 0) ThrowOsError(ENOSPC);
        done += static_cast<UINT>(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
    long long pos = OsSeek(m_hFile, lOff, whence);
    if (pos < 0) throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetPosition() const
{
    long long pos = OsSeek(m_hFile, 0, SEEK_CUR);
    if (pos < 0) ThrowOsError(errno);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const
{
    long long here = OsSeek(m_hFile, 0, SEEK_CUR);
    long long len = here < 0 ? -1 : OsSeek(m_hFile, 0, SEEK_END);
    if (len < 0 || OsSeek(m_hFile, here, SEEK_SET) < 0) ThrowOsError(errno);
    return static_cast<ULONGLONG>(len);
}

void CFile::SetLength(ULONGLONG nNewLen)
{
    if (OsTruncate(m_hFile, static_cast<long long>(nNewLen)) != 0) ThrowOsError(errno);
}

void CFile::Flush()
{
    if (IsOpen() && OsSync(m_hFile) != 0) ThrowOsError(errno);
}

void CFile::Close()
{
    if (!IsOpen()) return;
    int fd = m_hFile;
    m_hFile = -1;
    if (OsClose(fd) != 0) ThrowOsError(errno);
}

void CFile::Abort()
{
    if (!IsOpen()) return;
    OsClose(m_hFile);
    m_hFile = -1;
}

void CFile::Remove(LPCTSTR pszFileName)
{
    if (std::remove(pszFileName) != 0)
        throw CFileException(FileCauseFromErrno(errno), errno, pszFileName);
}

void CFile::Rename(LPCTSTR pszOldName, LPCTSTR pszNewName)
{
    if (std::rename(pszOldName, pszNewName) != 0)
        throw CFileException(FileCauseFromErrno(errno), errno, pszOldName);
}

void CFile::Replace(LPCTSTR pszFrom, LPCTSTR pszTo)
{
#ifdef _WIN32
    if (!MoveFileExA(pszFrom, pszTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD err = GetLastError();
        CFileException::Cause cause = err == ERROR_ACCESS_DENIED      ? CFileException::accessDenied
                                      : err == ERROR_SHARING_VIOLATION ? CFileException::sharingViolation
                                      : err == ERROR_DISK_FULL         ? CFileException::diskFull
                                                                       : CFileException::genericException;
        throw CFileException(cause, static_cast<LONG>(err), pszTo);
    }
#else
    // rename() replaces the target atomically on POSIX file systems.
    if (std::rename(pszFrom, pszTo) != 0)
        throw CFileException(FileCauseFromErrno(errno), errno, pszTo);
#endif
}
