#include "harness/MessageBoxInfo.h"

#include "harness/WindowQueries.h"

#include <algorithm>
#include <cstdio>

namespace harness {

namespace {

constexpr int kTextId = 0xFFFF;

bool IsStandardButtonId(LONG_PTR id) { return (id >= IDOK && id <= IDCONTINUE) || id == IDHELP; }

bool IsStatic(HWND window) { return ClassName(window) == "Static"; }

UINT TypeOfButtons(const std::vector<int>& buttons)
{
    struct Set {
        std::vector<int> ids;
        UINT type;
    };
    static const Set kSets[] = {
        {{IDOK}, MB_OK},
        {{IDOK, IDCANCEL}, MB_OKCANCEL},
        {{IDCANCEL, IDYES, IDNO}, MB_YESNOCANCEL},
        {{IDYES, IDNO}, MB_YESNO},
    };
    std::vector<int> shown = buttons;
    shown.erase(std::remove(shown.begin(), shown.end(), IDHELP), shown.end());
    for (const Set& set : kSets)
        if (set.ids == shown) return set.type;
    return MessageBoxInfo::kTypeUnknown;
}

UINT IconOf(HWND box)
{
    for (HWND child : ChildWindows(box)) {
        if (!IsStatic(child) || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        const LRESULT shown = Ask(child, STM_GETICON);
        if (!shown || !IsWindowVisible(child)) return 0;
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process != GetCurrentProcessId()) return MessageBoxInfo::kIconUnknown;
        struct Known {
            LPCSTR resource;
            UINT icon;
        };
        static const Known kIcons[] = {
            {IDI_HAND, MB_ICONSTOP},
            {IDI_QUESTION, MB_ICONQUESTION},
            {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
            {IDI_ASTERISK, MB_ICONINFORMATION},
        };
        for (const Known& known : kIcons)
            if (reinterpret_cast<LRESULT>(LoadIconA(nullptr, known.resource)) == shown) return known.icon;
        return MB_USERICON;
    }
    return 0;
}

}  // namespace

bool IsMessageBox(HWND window)
{
    if (!IsDialogClass(window)) return false;
    int texts = 0;
    for (HWND child : ChildWindows(window)) {
        LONG_PTR id = GetWindowLongPtrA(child, GWLP_ID);
        if (id == kTextId && IsStatic(child))
            ++texts;
        else if (!IsStatic(child) && !(IsStandardButtonId(id) && ClassName(child) == "Button"))
            return false;
    }
    return texts == 1;
}

MessageBoxInfo ReadMessageBox(HWND window)
{
    MessageBoxInfo box;
    box.caption = WindowText(window);
    box.text = ControlText(window, kTextId);
    std::vector<int> buttons;  // ids of the buttons shown, ascending
    for (HWND child : ChildWindows(window)) {
        LONG_PTR id = GetWindowLongPtrA(child, GWLP_ID);
        if (IsStandardButtonId(id) && IsWindowVisible(child) && ClassName(child) == "Button")
            buttons.push_back(static_cast<int>(id));
    }
    std::sort(buttons.begin(), buttons.end());
    box.type = TypeOfButtons(buttons);
    box.icon = IconOf(window);
    return box;
}

std::string Describe(const MessageBoxInfo& box)
{
    char style[16];
    snprintf(style, sizeof style, "0x%X", box.Style());
    return "message box \"" + box.caption + "\": \"" + box.text + "\" (style " + style + ")";
}

}  // namespace harness
