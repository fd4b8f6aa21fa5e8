#include "harness/ListViewReader.h"

#include "harness/WindowQueries.h"

#include <cstring>

namespace harness {

namespace {

constexpr int kTextSize = 1024;

// Sends a message whose lParam points to a copy of `block` in the window's process,
// and copies the block back after the answer: Windows copies only a few messages'
// data (WM_GETTEXT, WM_SETTEXT) between processes, the others are handed over as
// raw pointers. `prepare` may point into the copy, given its address.
template <typename Prepare>
bool AskInOwner(HWND window, UINT message, WPARAM wParam, std::vector<char>& block, Prepare prepare)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    char* remote = process ? static_cast<char*>(VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                                               PAGE_READWRITE))
                           : nullptr;
    SIZE_T done = 0;
    bool ok = remote && (prepare(remote), WriteProcessMemory(process, remote, block.data(), block.size(), &done));
    ok = ok && Ask(window, message, wParam, reinterpret_cast<LPARAM>(remote)) &&
         ReadProcessMemory(process, remote, block.data(), block.size(), &done);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    return ok;
}

// Asks for a text through a structure T (LVITEMA, LVCOLUMNA) with the text after it.
template <typename T>
std::string AskForText(HWND listView, UINT message, WPARAM wParam, T request)
{
    std::vector<char> block(sizeof(T) + kTextSize, '\0');
    request.cchTextMax = kTextSize;
    if (!AskInOwner(listView, message, wParam, block, [&](char* remote) {
            request.pszText = remote + sizeof(T);
            std::memcpy(block.data(), &request, sizeof request);
        }))
        return std::string();
    block.back() = '\0';
    return block.data() + sizeof(T);
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

RECT ListViewItemRect(HWND listView, int item)
{
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    std::vector<char> block(reinterpret_cast<char*>(&rect), reinterpret_cast<char*>(&rect + 1));
    if (!AskInOwner(listView, LVM_GETITEMRECT, item, block, [](char*) {})) return RECT{};
    std::memcpy(&rect, block.data(), sizeof rect);
    return rect;
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
