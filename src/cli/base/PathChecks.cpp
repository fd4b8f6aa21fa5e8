#include "cli/base/PathChecks.h"

#include "framework/portable/Exceptions.h"
#include "framework/portable/PlatformFile.h"

namespace {

LPCTSTR KindText(PathKind kind)
{
    switch (kind) {
    case PathKind::folder:
        return "a folder";
    case PathKind::link:
        return "a symbolic link";
    case PathKind::device:
        return "a device";
    case PathKind::fifo:
        return "a FIFO (named pipe)";
    case PathKind::socket:
        return "a socket";
    default:
        return "";
    }
}

void ThrowIfEmpty(const CString& strPath)
{
    if (strPath.IsEmpty()) throw CCliError(kExitUsage, "the file name is empty");
}

}  // namespace

void CheckDatabasePath(const CString& strPath)
{
    ThrowIfEmpty(strPath);
    PathKind kind = GetPathKind(ResolveLinks(strPath));
    if (kind == PathKind::missing)
        throw CCliError(kExitIo, CFileException(CFileException::fileNotFound, 0, strPath).GetErrorMessage());
    if (kind != PathKind::regular) throw CCliError(kExitIo, strPath + " is " + KindText(kind) + ", not a database");
}

void CheckOutputPath(const CString& strPath, BOOL bFollowLinks, LPCTSTR pszLinkOption)
{
    ThrowIfEmpty(strPath);
    PathKind kind = GetPathKind(strPath);
    if (kind == PathKind::link && !bFollowLinks)
        throw CCliError(kExitIo, strPath + " is a symbolic link; " + pszLinkOption +
                                     " writes the file it leads to; it was not changed");
    if (kind == PathKind::link) kind = GetPathKind(ResolveLinks(strPath));
    if (kind != PathKind::missing && kind != PathKind::regular)
        throw CCliError(kExitIo, strPath + " is " + KindText(kind) + ", not a file; it was not changed");
}
