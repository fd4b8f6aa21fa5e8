// What a message box shows: caption, text, buttons and icon, read from its window.
//
// A message box window does not keep the MB_ flags it was made with (its style is a
// plain dialog style), so they are rebuilt from what it shows: the set of buttons
// gives the MB_ type, the icon its MB_ICON value. The icon can be told only for a
// message box of this process: it is compared with the system icons, and under
// Wine an icon handle means nothing in another process (icon is then kIconUnknown).
#pragma once

#include <windows.h>

#include <string>

namespace harness {

struct MessageBoxInfo {
    static constexpr UINT kTypeUnknown = 0xF;   // buttons of none of the types below
    static constexpr UINT kIconUnknown = 0xF0;  // not readable from this process

    std::string caption;
    std::string text;
    UINT type = kTypeUnknown;  // MB_OK, MB_OKCANCEL, MB_YESNO or MB_YESNOCANCEL
    UINT icon = 0;             // MB_ICONSTOP, MB_ICONQUESTION, MB_ICONEXCLAMATION,
                               // MB_ICONINFORMATION, 0 for none, or kIconUnknown

    UINT Style() const { return type | icon; }
};

// A dialog-class window with exactly one static control of id 0xFFFF (the text) and
// otherwise only static controls and buttons of the standard ids (IDOK..IDCONTINUE,
// IDHELP). Dialogs whose labels use -1 as id have several such statics.
bool IsMessageBox(HWND window);

MessageBoxInfo ReadMessageBox(HWND window);

// message box "caption": "text" (style 0x10)
std::string Describe(const MessageBoxInfo& box);

}  // namespace harness
