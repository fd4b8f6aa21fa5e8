// Entries as CSV in UTF-8, as password managers export and import them: a header
// row "Title,Username,Password,Notes", then one record per entry.
#pragma once

#include <string>

#include "cli/base/TextCodec.h"
#include "database/core/EntryList.h"

std::string EntriesToCsv(const CTextCodec& codec, const CEntryList& list);

// Appends the entries of a CSV export with a header row, this program's or
// another password manager's: Title or Name gives For, Username or Login the
// Username, Password the Password, Notes the Notes (Bitwarden's login_ names
// too); any other column with a value is added to Notes as "Header: value" on a
// line of its own (URL columns as "URL: ..."). A UTF-8 byte-order mark is
// skipped. Throws CCliError (kExitUsage) naming strName and the line for CSV
// it cannot read, or texts the code page cannot hold.
void EntriesFromCsv(const CTextCodec& codec, const std::string& text, const CString& strName, CEntryList& list);
