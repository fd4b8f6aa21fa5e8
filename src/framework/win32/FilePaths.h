// Paths of files as the document framework uses them: the full form of a path, and
// its file name.
#pragma once

#include "framework/win32/WinHeaders.h"

// The full form of a path (relative to the working directory); an existing file's
// name takes the case it has on disk.
CString AfxFullPath(LPCTSTR lpszPath);
// The part after the last "\", "/" or ":".
CString AfxFileNameOf(const CString& strPath);
