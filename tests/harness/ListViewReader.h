// Reads a list-view control ("SysListView32") of this or another process: items,
// their texts and states, and the column headings.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace harness {

int ListViewItemCount(HWND listView);
int ListViewColumnCount(HWND listView);  // the items of its header control
std::string ListViewItemText(HWND listView, int item, int subItem = 0);
std::string ListViewColumnText(HWND listView, int column);
// LVIS_SELECTED, LVIS_FOCUSED, ... of the item, within mask.
UINT ListViewItemState(HWND listView, int item, UINT mask = LVIS_SELECTED | LVIS_FOCUSED);

// Every item with the texts of all columns: rows[item][column].
std::vector<std::vector<std::string>> ListViewRows(HWND listView);
std::vector<std::string> ListViewColumns(HWND listView);

}  // namespace harness
