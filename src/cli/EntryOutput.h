// How vaultry-cli prints entries. Texts are written as the bytes the database
// holds, with no conversion.
#pragma once

#include <iosfwd>

#include "database/Entry.h"

// The bytes of a text, zero bytes included.
void WriteText(std::ostream& out, const CString& strText);
// One line of ls and search: the index, For and Username, separated by tabs.
void WriteEntrySummary(std::ostream& out, int nIndex, const CEntry& entry);
// The four texts of show, one "Label: text" line each.
void WriteEntryDetails(std::ostream& out, const CEntry& entry);
