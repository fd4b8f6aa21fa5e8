// Framework handlers of WM_GETTEXT, WM_GETTEXTLENGTH and WM_SETTEXT answer in the
// form the message came in: UTF-16 for a subclassed Unicode window (the common
// controls, dialogs), 8-bit text for a window of the framework's own classes.
// Screen readers, UI automation and GetWindowTextW/A then read the same text
// either way. The framework's texts are 8-bit text of the system code page.
#pragma once

#include "framework/portable/CString.h"
#include "framework/win32/WinHeaders.h"

// WM_GETTEXT: copies as much of strText as fits into the buffer of wParam
// characters at lParam, NUL included; returns the characters copied.
LRESULT AfxAnswerGetText(const CString& strText, WPARAM wParam, LPARAM lParam);
// WM_GETTEXTLENGTH: the length of strText in the message's characters.
LRESULT AfxAnswerGetTextLength(const CString& strText);
// WM_SETTEXT: the text at lParam (NULL reads as empty).
CString AfxSetTextArgument(LPARAM lParam);
