// The text export line: an entry's four texts joined by commas, For, Username,
// Password, Notes, ended by CR LF. The bytes are the entry's own: no quoting, no
// escaping, no conversion, so a comma inside For, Username or Password does not
// survive a round trip through EntryLineSplitter (one inside Notes does).
#pragma once

#include "database/core/EntryList.h"
#include "framework/portable/CArchive.h"

const char kEntryLineEnd[] = "\r\n";

// "For,Username,Password,Notes" without the line end.
CString JoinEntryFields(const CEntry& entry);

// Writes the entry's line and its CR LF to a storing archive. File errors are
// thrown by the archive's file.
void WriteEntryLine(CArchive& ar, const CEntry& entry);

// Writes one line per entry, from index 0 upwards.
void WriteEntryLines(CArchive& ar, const CEntryList& list);
