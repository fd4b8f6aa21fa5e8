// The Windows half of PlatformFile.h, over the C runtime's descriptors and the
// Win32 file calls.
#include "framework/portable/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include "framework/portable/CFile.h"

namespace {

// The devices Windows finds under these names in any folder, with any extension.
BOOL IsDeviceName(LPCTSTR pszPath)
{
    LPCTSTR pszName = pszPath;
    for (LPCTSTR p = pszPath; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') pszName = p + 1;
    CString strBase = pszName;
    int nDot = strBase.Find('.');
    if (nDot >= 0) strBase = strBase.Left(nDot);
    while (!strBase.IsEmpty() && strBase[strBase.GetLength() - 1] == ' ')
        strBase = strBase.Left(strBase.GetLength() - 1);
    strBase.MakeUpper();
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* pszDevice : kNames)
        if (strBase == pszDevice) return TRUE;
    return strBase.GetLength() == 4 && (strBase.Left(3) == "COM" || strBase.Left(3) == "LPT") && strBase[3] >= '1' &&
           strBase[3] <= '9';
}

int ShareFlag(UINT nShare)
{
    switch (nShare & 0x70) {
    case CFile::shareDenyWrite:
        return _SH_DENYWR;
    case CFile::shareDenyRead:
        return _SH_DENYRD;
    case CFile::shareDenyNone:
        return _SH_DENYNO;
    default:
        return _SH_DENYRW;  // shareCompat and shareExclusive
    }
}

}  // namespace

PathKind GetPathKind(LPCTSTR pszPath)
{
    if (IsDeviceName(pszPath)) return PathKind::device;
    DWORD dwAttributes = GetFileAttributesA(pszPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES) return PathKind::missing;
    if (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::folder;
    return PathKind::regular;
}

CString ResolveLinks(LPCTSTR pszPath) { return pszPath; }

BOOL IsReadOnlyFile(LPCTSTR pszPath)
{
    DWORD dwAttributes = GetFileAttributesA(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

FileStamp GetFileStamp(LPCTSTR pszPath)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (IsDeviceName(pszPath) || !GetFileAttributesExA(pszPath, GetFileExInfoStandard, &data)) return stamp;
    stamp.bExists = TRUE;
    stamp.nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.nWriteTime =
        (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

namespace PlatformFile {

int Open(LPCTSTR pszPath, int nAccess, UINT nShare)
{
    return _sopen(pszPath, nAccess | _O_BINARY, ShareFlag(nShare), _S_IREAD | _S_IWRITE);
}

int CreateNew(LPCTSTR pszPath)
{
    return _sopen(pszPath, _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
}

long long Read(int fd, void* pBuffer, unsigned nCount) { return _read(fd, pBuffer, nCount); }
long long Write(int fd, const void* pBuffer, unsigned nCount) { return _write(fd, pBuffer, nCount); }
long long Seek(int fd, long long nOffset, int nFrom) { return _lseeki64(fd, nOffset, nFrom); }
int Truncate(int fd, long long nLength) { return _chsize_s(fd, nLength) == 0 ? 0 : -1; }
int Sync(int fd) { return _commit(fd); }
int Close(int fd) { return _close(fd); }

void TakeOverAccess(int, LPCTSTR) {}

BOOL Exists(LPCTSTR pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0;
}

int Remove(LPCTSTR pszPath) { return _unlink(pszPath); }

int Rename(LPCTSTR pszOldName, LPCTSTR pszNewName) { return std::rename(pszOldName, pszNewName); }

void Replace(LPCTSTR pszFrom, LPCTSTR pszTo)
{
    if (!MoveFileExA(pszFrom, pszTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD err = GetLastError();
        CFileException::Cause cause = err == ERROR_ACCESS_DENIED       ? CFileException::accessDenied
                                      : err == ERROR_SHARING_VIOLATION ? CFileException::sharingViolation
                                      : err == ERROR_DISK_FULL         ? CFileException::diskFull
                                                                       : CFileException::genericException;
        throw CFileException(cause, static_cast<LONG>(err), pszTo);
    }
}

void ReplaceWhenFree(LPCTSTR pszFrom, LPCTSTR pszTo)
{
    for (int nTry = 0;; ++nTry) {
        try {
            Replace(pszFrom, pszTo);
            return;
        } catch (const CFileException& e) {
            if (nTry == 100 ||
                (e.m_cause != CFileException::sharingViolation && e.m_cause != CFileException::accessDenied))
                throw;
        }
        Sleep(20);
    }
}

BOOL MoveToFreeName(LPCTSTR pszFrom, LPCTSTR pszTo)
{
    if (MoveFileExA(pszFrom, pszTo, MOVEFILE_WRITE_THROUGH)) return TRUE;
    DWORD err = GetLastError();
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS) return FALSE;
    throw CFileException(CFileException::genericException, static_cast<LONG>(err), pszTo);
}

void SyncFolderOf(LPCTSTR) {}

}  // namespace PlatformFile

void CFileLock::Acquire(LPCTSTR pszPath, LPCTSTR pszName, DWORD dwWaitMs)
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
    strName.Format("Local\\%s %016llx", pszName, hash);
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

void CFileLock::Release()
{
    if (m_hMutex) {
        ReleaseMutex(m_hMutex);
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    m_bHeld = FALSE;
}
