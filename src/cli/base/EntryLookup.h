// How a command's ENTRY operand names an entry: by its index (the program's row
// number, from 0), or else by its For text, exactly or else ignoring case.
#pragma once

#include "cli/base/CliContext.h"
#include "database/core/EntryList.h"

// What the help of a command with an ENTRY operand says about it.
#define ENTRY_OPERAND_HELP                                                                                             \
    "ENTRY is an entry's index (from 0, as ls shows it) or its For text: exact, or\n"                                  \
    "else ignoring case; a For that several entries share needs the index.\n"

// The index of the entry strOperand (as given on the command line) names in the
// database strPath. Throws CCliError (kExitUsage) when none does, or when its
// For text fits several entries: the message lists them with their indexes.
int FindEntry(const CCliContext& context, const CString& strPath, const CEntryList& list, const CString& strOperand);
