#include "harness/ListViewReader.h"

#include "harness/WindowQueries.h"

#include <cstring>

namespace harness {

namespace {

constexpr int kTextSize = 1024;

// Asks for a text through a structure T (LVITEMA, LVCOLUMNA) whose text follows it,
// in a block of memory of the list view's process: Windows copies only a few
// messages' data (WM_GETTEXT, WM_SETTEXT) between processes, the others are handed
// over as raw pointers.
template <typename T>
std::string AskForText(HWND listView, UINT message, WPARAM wParam, T request)
{
    std::vector<char> block(sizeof(T) + kTextSize, '\0');
    DWORD id = 0;
    GetWindowThreadProcessId(listView, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    char* remote = process ? static_cast<char*>(VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                                               PAGE_READWRITE))
                           : nullptr;
    request.cchTextMax = kTextSize;
    request.pszText = remote ? remote + sizeof(T) : nullptr;
    std::memcpy(block.data(), &request, sizeof request);
    SIZE_T done = 0;
    const bool ok = remote && WriteProcessMemory(process, remote, block.data(), block.size(), &done) &&
                    Ask(listView, message, wParam, reinterpret_cast<LPARAM>(remote)) &&
                    ReadProcessMemory(process, remote, block.data(), block.size(), &done);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    block.back() = '\0';
    return ok ? std::string(block.data() + sizeof(T)) : std::string();
}

int ColumnCount(HWND listView)
{
    HWND header = reinterpret_cast<HWND>(Ask(listView, LVM_GETHEADER));
    return header ? static_cast<int>(Ask(header, HDM_GETITEMCOUNT)) : 0;
}

}  // namespace

int ListViewItemCount(HWND listView) { return static_cast<int>(Ask(listView, LVM_GETITEMCOUNT)); }

std::string ListViewItemText(HWND listView, int item, int subItem)
{
    LVITEMA request = {};
    request.iSubItem = subItem;
    return AskForText(listView, LVM_GETITEMTEXTA, item, request);
}

std::vector<std::vector<std::string>> ListViewRows(HWND listView)
{
    const int columns = ColumnCount(listView);
    std::vector<std::vector<std::string>> rows;
    for (int item = 0, count = ListViewItemCount(listView); item < count; ++item) {
        std::vector<std::string> row;
        for (int column = 0; column < (columns > 0 ? columns : 1); ++column)
            row.push_back(ListViewItemText(listView, item, column));
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> ListViewColumns(HWND listView)
{
    std::vector<std::string> columns;
    for (int column = 0, count = ColumnCount(listView); column < count; ++column) {
        LVCOLUMNA request = {};
        request.mask = LVCF_TEXT;
        columns.push_back(AskForText(listView, LVM_GETCOLUMNA, column, request));
    }
    return columns;
}

}  // namespace harness
