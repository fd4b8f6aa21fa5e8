#include "framework/portable/PathKind.h"

#ifdef _WIN32

#include <windows.h>

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
    while (!strBase.IsEmpty() && strBase[strBase.GetLength() - 1] == ' ') strBase = strBase.Left(strBase.GetLength() - 1);
    strBase.MakeUpper();
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* pszDevice : kNames)
        if (strBase == pszDevice) return TRUE;
    return strBase.GetLength() == 4 && (strBase.Left(3) == "COM" || strBase.Left(3) == "LPT") && strBase[3] >= '1' &&
           strBase[3] <= '9';
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

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
        int nSlash = -1;
        for (int i = 0; i < strPath.GetLength(); ++i)
            if (strPath[i] == '/') nSlash = i;
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

#endif
