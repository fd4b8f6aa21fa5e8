// AfxMessageBox: a message box with the application's title as caption, owned by
// the main window (or the popup that is active over it).
#pragma once

#include "framework/win32/WinHeaders.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text of string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
