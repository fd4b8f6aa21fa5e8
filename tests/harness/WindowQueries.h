// Reads what a window shows, through messages that work the same for windows of
// this process and of another one: Windows and Wine copy WM_GETTEXT across
// processes, while GetWindowText does not ask another process's controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// SendMessageTimeout with a limit, so that a hung program fails a test instead of
// hanging it: the answer, or 0 when none came.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
std::string ClassName(HWND window);

// The predefined dialog class ("#32770"): dialogs, message boxes, file dialogs.
bool IsDialogClass(HWND window);

// Direct children in Z order, and the first descendant of a window class.
std::vector<HWND> ChildWindows(HWND parent);
HWND FindDescendant(HWND parent, const char* className);

// The character an edit shows instead of what was typed; 0 when it shows the text.
char PasswordChar(HWND dialog, int id);

}  // namespace harness
