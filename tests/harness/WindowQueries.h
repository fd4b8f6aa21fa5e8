// Reads what a window shows, through messages that work the same for windows of
// this process and of another one: Windows and Wine copy WM_GETTEXT across
// processes, while GetWindowText does not ask another process's controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// How long a query waits for the window's thread to answer.
constexpr UINT kReplyTimeoutMs = 5000;

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
std::string ClassName(HWND window);

// The predefined dialog class ("#32770"): dialogs, message boxes, file dialogs.
bool IsDialogClass(HWND window);

// Direct children in Z order, and the first descendant of a window class.
std::vector<HWND> ChildWindows(HWND parent);
HWND FindDescendant(HWND parent, const char* className);

// BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE; -1 when there is no such control.
int CheckState(HWND dialog, int id);
// The character an edit shows instead of what was typed; 0 when it shows the text.
char PasswordChar(HWND dialog, int id);

bool IsInThisProcess(HWND window);

}  // namespace harness
