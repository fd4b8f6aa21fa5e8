// Readable names of window messages and of WM_NOTIFY codes, for failure output.
// Only those that the program's windows and controls exchange are named; others
// print as numbers.
#pragma once

#include <windows.h>

#include <string>

namespace harness {

std::string MessageName(UINT message);     // "WM_COMMAND", or "0x0410"
std::string NotifyCodeName(UINT code);     // "NM_CUSTOMDRAW", or "-12345"
// WM_COMMAND codes: edit codes (EN_, unique from 0x100 up) by name, others as numbers,
// since the small codes of buttons, list boxes and combo boxes overlap.
std::string CommandCodeName(UINT code);

}  // namespace harness
