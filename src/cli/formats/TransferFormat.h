// The formats export writes and import reads: "text", the program's own lines
// (For,Username,Password,Notes in the database's code page, byte for byte as its
// File > Export), "csv" and "json" (UTF-8, see EntryCsv and EntryJson).
#pragma once

#include <string>

#include "cli/base/CliContext.h"
#include "database/core/EntryList.h"

enum class TransferFormat { text, csv, json };

// The format --format names; text when it is not given. Throws CCliError
// (kExitUsage) for any other name.
TransferFormat GetFormatOption(const CCliContext& context);

// The entries in that format, whole.
std::string FormatEntries(const CCliContext& context, TransferFormat format, const CEntryList& list);

// Appends the entries that the bytes hold in that format; strName names them in
// messages. Odd lines of the text format (blank, without a comma, with zero
// bytes) are counted on standard error. Throws CCliError (kExitUsage) for
// bytes that are a database, or that the format cannot read.
void ParseEntries(const CCliContext& context, TransferFormat format, const std::string& bytes, const CString& strName,
                  CEntryList& list);
