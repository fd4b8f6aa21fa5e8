#include "harness/WindowQueries.h"

namespace harness {

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result)) return 0;
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window)
{
    LRESULT length = IsWindow(window) ? Ask(window, WM_GETTEXTLENGTH) : 0;
    if (length <= 0) return std::string();
    // WM_GETTEXTLENGTH may count more than WM_GETTEXT gives (double-byte
    // conversions); the copied count is the true one.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

std::string ClassName(HWND window)
{
    char name[256] = "";
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsDialogClass(HWND window) { return ClassName(window) == "#32770"; }

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FindDescendant(HWND parent, const char* className)
{
    for (HWND child : ChildWindows(parent)) {
        if (ClassName(child) == className) return child;
        if (HWND found = FindDescendant(child, className)) return found;
    }
    return nullptr;
}

char PasswordChar(HWND dialog, int id) { return static_cast<char>(Ask(GetDlgItem(dialog, id), EM_GETPASSWORDCHAR)); }

}  // namespace harness
