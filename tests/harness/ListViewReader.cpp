#include "harness/ListViewReader.h"

#include "harness/WindowQueries.h"

namespace harness {

namespace {

constexpr int kTextSize = 1024;

// Memory inside the process that owns a window, for messages whose parameters
// point to memory: Windows copies only a few messages' data (WM_GETTEXT,
// WM_SETTEXT) between processes, the others are handed over as raw pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size) : size_(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(owner, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The address as the owning process sees it, to pass in a message.
    char* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size)
    {
        SIZE_T written = 0;
        return address_ && offset + size <= size_ &&
               WriteProcessMemory(process_, Address(offset), data, size, &written) && written == size;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        SIZE_T read = 0;
        return address_ && offset + size <= size_ &&
               ReadProcessMemory(process_, Address(offset), data, size, &read) && read == size;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

// Sends a message whose lParam is a structure T (an LVITEMA or LVCOLUMNA) with a
// text buffer after it, in the list view's process.
template <typename T>
std::string AskForText(HWND listView, UINT message, WPARAM wParam, T request)
{
    RemoteBuffer remote(listView, sizeof(T) + kTextSize);
    request.pszText = remote.Address(sizeof(T));
    request.cchTextMax = kTextSize;
    const char empty = '\0';
    char text[kTextSize] = "";
    if (!remote.Write(0, &request, sizeof request) || !remote.Write(sizeof(T), &empty, 1))
        return std::string();
    Ask(listView, message, wParam, reinterpret_cast<LPARAM>(remote.Address()));
    if (!remote.Read(sizeof(T), text, sizeof text))
        return std::string();
    text[kTextSize - 1] = '\0';
    return text;
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
    RemoteBuffer remote(listView, sizeof(RECT));
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    if (!remote.Write(0, &rect, sizeof rect) ||
        !Ask(listView, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(remote.Address())) ||
        !remote.Read(0, &rect, sizeof rect))
        return RECT{};
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
