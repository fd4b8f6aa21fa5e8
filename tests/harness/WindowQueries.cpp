#include "harness/WindowQueries.h"

namespace harness {

namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                             kReplyTimeoutMs, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

}  // namespace

std::string WindowText(HWND window)
{
    if (!IsWindow(window))
        return std::string();
    LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return std::string();
    // WM_GETTEXTLENGTH may count more than WM_GETTEXT gives (double-byte
    // conversions); the copied count is the true one.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::string ClassName(HWND window)
{
    char name[256] = "";
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsDialogClass(HWND window)
{
    return ClassName(window) == "#32770";
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FindDescendant(HWND parent, const char* className)
{
    struct Search {
        const char* className;
        HWND found;
    } search = {className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (ClassName(child) != s->className)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CheckState(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return -1;
    return static_cast<int>(Ask(control, BM_GETCHECK, 0, 0));
}

char PasswordChar(HWND dialog, int id)
{
    return static_cast<char>(Ask(GetDlgItem(dialog, id), EM_GETPASSWORDCHAR, 0, 0));
}

bool IsInThisProcess(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

}  // namespace harness
