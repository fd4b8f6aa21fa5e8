// How vaultry-cli prints entries: their texts converted from the database's code
// page for the standard output (CTextCodec::ToStream).
#pragma once

#include <iosfwd>

#include "cli/base/TextCodec.h"
#include "database/core/Entry.h"

// The bytes of a text as they are, zero bytes included.
void WriteText(std::ostream& out, const CString& strText);
// A text as a column of ls shows it: converted for the standard output, a tab or
// line break as \t, \n or \r.
CString ColumnText(const CTextCodec& codec, const CString& strText);
// An entry as messages name it: "3 (mail)".
CString EntryLabel(const CTextCodec& codec, int nIndex, const CEntry& entry);
// One line of ls and search: the index, For and Username, separated by tabs. A
// tab or line break inside a text shows as \t, \n or \r, so that the columns hold.
void WriteEntrySummary(std::ostream& out, const CTextCodec& codec, int nIndex, const CEntry& entry);
// The four texts of show, one "Label: text" line each; the password, and the
// one-time code secrets in Notes, only with bShowPassword.
void WriteEntryDetails(std::ostream& out, const CTextCodec& codec, const CEntry& entry, BOOL bShowPassword);
