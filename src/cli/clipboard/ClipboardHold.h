// A text on the clipboard for a while, as clip and totp --clip put it there.
#pragma once

#include <string>

#include "cli/base/CliContext.h"

const int kDefaultClipTimeout = 10;  // seconds
const int kMaxClipTimeout = 24 * 60 * 60;

// Copies the UTF-8 text to the system clipboard and wipes it, says "<strWhat> is
// on the clipboard.", counts down nTimeout seconds on a terminal, and then
// clears the clipboard unless it has changed meanwhile; Ctrl+C clears it at
// once. Throws CCliError (kExitIo) when there is no clipboard.
void HoldOnClipboard(CCliContext& context, std::string& text, const CString& strWhat, int nTimeout);
