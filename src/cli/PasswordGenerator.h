// Random passwords for entries, from the system's secure random source.
#pragma once

#include "framework/portable/CString.h"

const int kDefaultGeneratedLength = 20;
const int kMaxGeneratedLength = 1024;

// The characters a generated password is made of: letters, digits and a few
// signs. No comma (it would split the field in an exported line), no space and
// no quote or backslash (they trip up shells and scripts).
extern const char kGeneratedAlphabet[];

// nLength characters, each drawn uniformly from kGeneratedAlphabet. Throws
// CCliError (kExitIo) when the random source fails.
CString GeneratePassword(int nLength);
