// Framework handlers of WM_GETTEXT, WM_GETTEXTLENGTH and WM_SETTEXT answer in the
// form the message came in. A control the framework subclasses gets them as UTF-16
// text (the common controls' subclass chain is a Unicode window procedure), a
// window of the framework's own classes as 8-bit text; screen readers, UI
// automation and GetWindowTextW/A read the same text either way. The framework's
// texts are 8-bit text of the system code page.
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
