// The paths vaultry-cli accepts, checked before it opens anything: a database is
// a regular file, and an output file is a regular file or none. A FIFO would make
// it wait for ever, a device or a folder would be replaced by a file.
#pragma once

#include "cli/base/CliError.h"

// Throws CCliError unless strPath leads (through any links) to a regular file:
// kExitUsage for an empty path, kExitIo for anything else.
void CheckDatabasePath(const CString& strPath);

// Throws CCliError unless strPath is a regular file or nothing: kExitUsage for
// an empty path, kExitIo for anything else. A symbolic link is refused unless
// bFollowLinks is set; then the path it leads to must be a regular file or none.
// pszLinkOption names the option that sets it, for the message.
void CheckOutputPath(const CString& strPath, BOOL bFollowLinks, LPCTSTR pszLinkOption);
