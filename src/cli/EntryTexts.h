// The texts vaultry-cli puts into an entry. Like the program's single-line edit
// fields they never hold a line break (an exported line would split in two) or a
// zero byte (it cannot be typed, and the text file reader drops it).
#pragma once

#include "database/Entry.h"

// Throws CCliError (kExitUsage) naming pszWhat when the text holds CR, LF or a
// zero byte.
void CheckEntryText(LPCTSTR pszWhat, const CString& strText);
