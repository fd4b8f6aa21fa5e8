#include "harness/ControlInput.h"

#include "harness/WindowQueries.h"

namespace harness {

namespace {

HWND UsableControl(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return nullptr;
    return control;
}

HWND FocusWithin(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
        (info.hwndFocus == window || IsChild(window, info.hwndFocus)))
        return info.hwndFocus;
    return window;
}

}  // namespace

bool SetControlText(HWND dialog, int id, const std::string& text)
{
    HWND control = UsableControl(dialog, id);
    if (!control) return false;
    Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return true;
}

bool TypeIntoControl(HWND dialog, int id, const std::string& text)
{
    HWND control = UsableControl(dialog, id);
    if (!control) return false;
    Ask(control, EM_SETSEL, 0, -1);
    Ask(control, WM_CHAR, VK_BACK, 1);
    for (char c : text) Ask(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    return true;
}

bool SetCheck(HWND dialog, int id, bool checked)
{
    HWND control = UsableControl(dialog, id);
    if (!control) return false;
    const LRESULT wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    if (Ask(control, BM_GETCHECK) != wanted) Ask(control, BM_CLICK);
    return Ask(control, BM_GETCHECK) == wanted;
}

bool PostClick(HWND dialog, int id)
{
    HWND control = UsableControl(dialog, id);
    return control && PostMessageA(control, BM_CLICK, 0, 0);
}

void PostMenuCommand(HWND window, UINT id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void PressKey(HWND window, UINT virtualKey)
{
    HWND target = FocusWithin(window);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageA(target, WM_KEYUP, virtualKey, scan | 1 | 0xC0000000);
}

}  // namespace harness
