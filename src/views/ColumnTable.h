// The four columns of the entries list, in column order: titles, default widths
// in pixels and formats. The order is that of an entry's texts.
#pragma once

#include "framework/win32/WinHeaders.h"

constexpr int kColumnCount = 4;
// The last column, Notes, takes the width the others leave.
constexpr int kLastColumn = kColumnCount - 1;

constexpr const char* kColumnTitles[kColumnCount] = {"For", "Username", "Password", "Notes"};
constexpr int kColumnWidths[kColumnCount] = {100, 150, 150, 100};
constexpr int kColumnFormats[kColumnCount] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT};
