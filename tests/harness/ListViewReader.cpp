#include "harness/ListViewReader.h"

#include "harness/RemoteBuffer.h"
#include "harness/WindowQueries.h"

#include <commctrl.h>

namespace harness {

namespace {

constexpr int kTextSize = 1024;

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kReplyTimeoutMs,
                             &result))
        return -1;
    return static_cast<LRESULT>(result);
}

// Sends a message whose lParam is a structure T with a text buffer after it, in
// the list view's process; `prepare` fills T given the remote text address.
template <typename T, typename Prepare>
std::string AskForText(HWND listView, UINT message, WPARAM wParam, Prepare prepare)
{
    RemoteBuffer remote(listView, sizeof(T) + kTextSize);
    if (!remote.Valid())
        return std::string();
    T request = {};
    prepare(request, static_cast<char*>(remote.Address(sizeof(T))));
    const char empty = '\0';
    if (!remote.Write(0, &request, sizeof request) || !remote.Write(sizeof(T), &empty, 1))
        return std::string();
    if (Ask(listView, message, wParam, reinterpret_cast<LPARAM>(remote.Address())) < 0)
        return std::string();
    char text[kTextSize] = "";
    if (!remote.Read(sizeof(T), text, sizeof text))
        return std::string();
    text[kTextSize - 1] = '\0';
    return text;
}

}  // namespace

int ListViewItemCount(HWND listView)
{
    return static_cast<int>(Ask(listView, LVM_GETITEMCOUNT, 0, 0));
}

int ListViewColumnCount(HWND listView)
{
    HWND header = reinterpret_cast<HWND>(Ask(listView, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(Ask(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListViewItemText(HWND listView, int item, int subItem)
{
    return AskForText<LVITEMA>(listView, LVM_GETITEMTEXTA, item,
                               [subItem](LVITEMA& request, char* text) {
                                   request.iSubItem = subItem;
                                   request.pszText = text;
                                   request.cchTextMax = kTextSize;
                               });
}

std::string ListViewColumnText(HWND listView, int column)
{
    return AskForText<LVCOLUMNA>(listView, LVM_GETCOLUMNA, column,
                                 [](LVCOLUMNA& request, char* text) {
                                     request.mask = LVCF_TEXT;
                                     request.pszText = text;
                                     request.cchTextMax = kTextSize;
                                 });
}

UINT ListViewItemState(HWND listView, int item, UINT mask)
{
    return static_cast<UINT>(Ask(listView, LVM_GETITEMSTATE, item, mask));
}

std::vector<std::vector<std::string>> ListViewRows(HWND listView)
{
    const int columns = ListViewColumnCount(listView);
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
    for (int column = 0, count = ListViewColumnCount(listView); column < count; ++column)
        columns.push_back(ListViewColumnText(listView, column));
    return columns;
}

}  // namespace harness
