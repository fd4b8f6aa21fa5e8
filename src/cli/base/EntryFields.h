// The four texts of an entry by number (0 For, 1 Username, 2 Password, 3 Notes),
// as --field names them: for, username, password, notes.
#pragma once

#include "cli/base/CliContext.h"
#include "database/core/Entry.h"

const char kFieldOption[] = "--field";
const int kPasswordField = 2;

extern const LPCTSTR kFieldNames[4];  // "for", "username", "password", "notes"

CString& FieldText(CEntry& entry, int nField);
const CString& FieldText(const CEntry& entry, int nField);

// The field --field names, or nDefault when it is not given. Throws CCliError
// (kExitUsage) for any other name.
int GetFieldOption(const CCliContext& context, int nDefault);
