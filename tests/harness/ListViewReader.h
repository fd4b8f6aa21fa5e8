// Reads a list-view control ("SysListView32") of this or another process: items,
// their texts, and the column headings.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace harness {

int ListViewItemCount(HWND listView);
std::string ListViewItemText(HWND listView, int item, int subItem = 0);

// Every item with the texts of all columns: rows[item][column].
std::vector<std::vector<std::string>> ListViewRows(HWND listView);
std::vector<std::string> ListViewColumns(HWND listView);

}  // namespace harness
