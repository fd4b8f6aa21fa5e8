// The texts vaultry-cli puts into an entry. Like the program's single-line edit
// fields they never hold a line break (an exported line would split in two) or a
// zero byte (it cannot be typed, and the text file reader drops it).
#pragma once

#include "cli/base/CliContext.h"
#include "database/core/Entry.h"

// Throws CCliError (kExitUsage) naming pszWhat when the text holds CR, LF or a
// zero byte.
void CheckEntryText(LPCTSTR pszWhat, const CString& strText);

// The value of a text option (--for, --username, --notes) in the database's code
// page; FALSE when it was not given. Throws CCliError (kExitUsage) naming the
// option when the code page cannot hold it, or it fails CheckEntryText.
BOOL GetEntryTextOption(const CCliContext& context, LPCTSTR pszOption, CString& strStored);

// The text format keeps no comma inside For, Username or Password (an export of
// such an entry imports with its texts shifted) and no line break in any text
// (CSV and JSON imports bring them). Warns on standard error, naming the entry
// by its index and For, when it holds one.
void WarnIfTextFormatLosesIt(const CCliContext& context, int nIndex, const CEntry& entry);
