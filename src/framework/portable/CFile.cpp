#include "framework/portable/CFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

#include "framework/portable/PlatformFile.h"

CFileException::Cause FileCauseFromErrno(int err)
{
    switch (err) {
    case 0:
        return CFileException::none;
    case ENOENT:
        return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return CFileException::badPath;
    case EMFILE:
    case ENFILE:
        return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return CFileException::accessDenied;
    case ENOSPC:
    case EFBIG:
        return CFileException::diskFull;
    case EIO:
        return CFileException::hardIO;
    case ESPIPE:
        return CFileException::badSeek;
    default:
        return CFileException::genericException;
    }
}

CFile::CFile() : m_hFile(-1) {}

CFile::CFile(LPCTSTR pszFileName, UINT nOpenFlags) : m_hFile(-1)
{
    // Within constructor and destructor the calls are CFile's own, as written.
    CFileException e;
    if (!CFile::Open(pszFileName, nOpenFlags, &e)) throw CFileException(e);
}

CFile::~CFile()
{
    if (IsOpen()) CFile::Abort();
}

BOOL CFile::Open(LPCTSTR pszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen()) CFile::Abort();  // a plain file: what the handle needs
    int flags;
    switch (nOpenFlags & 3) {
    case modeWrite:
        flags = O_WRONLY;
        break;
    case modeReadWrite:
        flags = O_RDWR;
        break;
    default:
        flags = O_RDONLY;
        break;
    }
    if (nOpenFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate)) flags |= O_TRUNC;
    }
    m_strFileName = pszFileName;
    m_hFile = PlatformFile::Open(pszFileName, flags, nOpenFlags);
    if (m_hFile < 0) {
        int err = errno;
        if (pError) *pError = CFileException(FileCauseFromErrno(err), err, pszFileName);
        return FALSE;
    }
    return TRUE;
}

void CFile::ThrowOsError(int err) const { throw CFileException(FileCauseFromErrno(err), err, m_strFileName); }

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT done = 0;
    while (done < nCount) {
        long long n = PlatformFile::Read(m_hFile, static_cast<char*>(lpBuf) + done, nCount - done);
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
        long long n = PlatformFile::Write(m_hFile, static_cast<const char*>(lpBuf) + done, nCount - done);
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
    long long pos = PlatformFile::Seek(m_hFile, lOff, whence);
    if (pos < 0) throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetPosition() const
{
    long long pos = PlatformFile::Seek(m_hFile, 0, SEEK_CUR);
    if (pos < 0) ThrowOsError(errno);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const
{
    long long here = PlatformFile::Seek(m_hFile, 0, SEEK_CUR);
    long long len = here < 0 ? -1 : PlatformFile::Seek(m_hFile, 0, SEEK_END);
    if (len < 0 || PlatformFile::Seek(m_hFile, here, SEEK_SET) < 0) ThrowOsError(errno);
    return static_cast<ULONGLONG>(len);
}

void CFile::SetLength(ULONGLONG nNewLen)
{
    if (PlatformFile::Truncate(m_hFile, static_cast<long long>(nNewLen)) != 0) ThrowOsError(errno);
}

void CFile::Flush()
{
    if (IsOpen() && PlatformFile::Sync(m_hFile) != 0) ThrowOsError(errno);
}

void CFile::Close()
{
    if (!IsOpen()) return;
    int fd = m_hFile;
    m_hFile = -1;
    if (PlatformFile::Close(fd) != 0) ThrowOsError(errno);
}

void CFile::Abort()
{
    if (!IsOpen()) return;
    PlatformFile::Close(m_hFile);
    m_hFile = -1;
}

void CFile::Remove(LPCTSTR pszFileName)
{
    if (PlatformFile::Remove(pszFileName) != 0) throw CFileException(FileCauseFromErrno(errno), errno, pszFileName);
}

void CFile::Rename(LPCTSTR pszOldName, LPCTSTR pszNewName)
{
    if (PlatformFile::Rename(pszOldName, pszNewName) != 0)
        throw CFileException(FileCauseFromErrno(errno), errno, pszOldName);
}

void CFile::Replace(LPCTSTR pszFrom, LPCTSTR pszTo) { PlatformFile::Replace(pszFrom, pszTo); }
