// What a path names, found without opening it: opening a FIFO waits for a writer
// that may never come, and opening a device can do things of its own. Both the
// database writer and vaultry-cli look before they open or replace a file.
#pragma once

#include "framework/portable/CString.h"

enum class PathKind {
    missing,   // nothing by that name
    regular,   // an ordinary file
    folder,
    link,      // a symbolic link, whether or not it leads anywhere
    device,    // a character or block device; on Windows a name such as NUL or COM1
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
