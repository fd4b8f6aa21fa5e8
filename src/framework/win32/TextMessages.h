// Framework handlers of WM_GETTEXT, WM_GETTEXTLENGTH and WM_SETTEXT for a
// subclassed common control. Those are Unicode windows: their messages come in
// UTF-16 whichever way they were sent, as Windows converts a message sent as
// 8-bit text, so screen readers, UI automation and GetWindowTextW/A read the
// same text. The framework's texts are 8-bit text of the system code page.
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
