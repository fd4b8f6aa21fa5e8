// Base32 (RFC 4648's alphabet A-Z, 2-7), read as users paste one-time code
// secrets: letters in either case, spaces anywhere, "=" padding at the end.
#pragma once

#include "framework/portable/CString.h"

// The bytes the text encodes. Throws CCliError (kExitUsage) saying what is
// wrong without quoting the text, which is a secret.
CString DecodeBase32(const CString& strText);
