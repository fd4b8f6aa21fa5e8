#include "harness/MessageBoxInfo.h"

#include "harness/WindowQueries.h"

#include <algorithm>
#include <ostream>

namespace harness {

namespace {

constexpr int kTextId = 0xFFFF;

bool IsStandardButtonId(LONG_PTR id)
{
    return (id >= IDOK && id <= IDCONTINUE) || id == IDHELP;
}

bool IsStatic(HWND window)
{
    return ClassName(window) == "Static";
}

UINT TypeOfButtons(const std::vector<int>& buttons)
{
    struct Set {
        std::vector<int> ids;
        UINT type;
    };
    static const Set kSets[] = {
        {{IDOK}, MB_OK},
        {{IDOK, IDCANCEL}, MB_OKCANCEL},
        {{IDABORT, IDRETRY, IDIGNORE}, MB_ABORTRETRYIGNORE},
        {{IDCANCEL, IDYES, IDNO}, MB_YESNOCANCEL},
        {{IDYES, IDNO}, MB_YESNO},
        {{IDCANCEL, IDRETRY}, MB_RETRYCANCEL},
        {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, MB_CANCELTRYCONTINUE},
    };
    std::vector<int> shown = buttons;
    shown.erase(std::remove(shown.begin(), shown.end(), IDHELP), shown.end());
    for (const Set& set : kSets)
        if (set.ids == shown)
            return set.type;
    return MessageBoxInfo::kTypeUnknown;
}

UINT IconOf(HWND box)
{
    for (HWND child : ChildWindows(box)) {
        if (!IsStatic(child) || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        DWORD_PTR shown = 0;
        SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &shown);
        if (!shown || !IsWindowVisible(child))
            return 0;
        if (!IsInThisProcess(box))
            return MessageBoxInfo::kIconUnknown;
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
            if (reinterpret_cast<DWORD_PTR>(LoadIconA(nullptr, known.resource)) == shown)
                return known.icon;
        return MB_USERICON;
    }
    return 0;
}

}  // namespace

bool operator==(const MessageBoxInfo& a, const MessageBoxInfo& b)
{
    return a.caption == b.caption && a.text == b.text && a.buttons == b.buttons &&
           a.type == b.type && a.icon == b.icon;
}

bool IsMessageBox(HWND window)
{
    if (!IsDialogClass(window))
        return false;
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
    for (HWND child : ChildWindows(window)) {
        LONG_PTR id = GetWindowLongPtrA(child, GWLP_ID);
        if (IsStandardButtonId(id) && IsWindowVisible(child) && ClassName(child) == "Button")
            box.buttons.push_back(static_cast<int>(id));
    }
    std::sort(box.buttons.begin(), box.buttons.end());
    box.type = TypeOfButtons(box.buttons);
    box.icon = IconOf(window);
    return box;
}

std::string DescribeStyle(UINT style)
{
    static const char* const kTypes[] = {
        "MB_OK", "MB_OKCANCEL", "MB_ABORTRETRYIGNORE", "MB_YESNOCANCEL",
        "MB_YESNO", "MB_RETRYCANCEL", "MB_CANCELTRYCONTINUE",
    };
    UINT type = style & MB_TYPEMASK;
    std::string text = type < sizeof kTypes / sizeof kTypes[0] ? kTypes[type] : "unknown buttons";
    switch (style & MB_ICONMASK) {
    case 0: break;
    case MB_ICONSTOP: text += " | MB_ICONSTOP"; break;
    case MB_ICONQUESTION: text += " | MB_ICONQUESTION"; break;
    case MB_ICONEXCLAMATION: text += " | MB_ICONEXCLAMATION"; break;
    case MB_ICONINFORMATION: text += " | MB_ICONINFORMATION"; break;
    case MB_USERICON: text += " | MB_USERICON"; break;
    default: text += " | icon unknown"; break;
    }
    return text;
}

std::string Describe(const MessageBoxInfo& box)
{
    return "message box \"" + box.caption + "\": \"" + box.text + "\" (" +
           DescribeStyle(box.Style()) + ")";
}

void PrintTo(const MessageBoxInfo& box, std::ostream* out)
{
    *out << Describe(box);
}

}  // namespace harness

