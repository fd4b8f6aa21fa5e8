// Acts on windows as a user would, through messages that work for windows of this
// process and of another one.
//
// Texts and check boxes are sent, so their effect is there when the call returns.
// Clicks, keys and commands are posted: they may start a modal loop (a
// message box after OK), and the caller must not be stuck inside it. Their effect
// comes when the window's thread next reads its queue.
//
// Each function returns false when the control is missing, hidden or disabled,
// since a user could not have done it then.
#pragma once

#include <windows.h>

#include <string>

namespace harness {

// WM_SETTEXT: replaces the text at once, regardless of an edit's EM_LIMITTEXT.
bool SetControlText(HWND dialog, int id, const std::string& text);

// Typing: selects all, deletes it with Backspace, then one WM_CHAR per character,
// so the edit's limit and its EN_ notifications behave as for a keyboard.
bool TypeIntoControl(HWND dialog, int id, const std::string& text);

// Clicks a check box (BM_CLICK) unless it already has that state; true when it
// has the state afterwards.
bool SetCheck(HWND dialog, int id, bool checked);

// BM_CLICK posted to the button.
bool PostClick(HWND dialog, int id);

// WM_COMMAND as a menu item or an accelerator sends it (code 0, no control).
void PostMenuCommand(HWND window, UINT id);

// WM_KEYDOWN and WM_KEYUP to the focused control of the window (or the window), so
// a dialog's own loop turns VK_RETURN and VK_ESCAPE into its default button and
// IDCANCEL through IsDialogMessage.
void PressKey(HWND window, UINT virtualKey);

}  // namespace harness
