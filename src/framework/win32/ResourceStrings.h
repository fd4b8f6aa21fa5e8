// String resources: loading one by id, and taking one field of a string whose
// fields are separated by a character (the document string, command prompts).
#pragma once

#include "framework/win32/WinHeaders.h"

// Loads string resource nID; FALSE (and an empty string) when there is none.
BOOL AfxLoadString(UINT nID, CString& rString);
// Field iSubString (from 0) of lpszFullString; FALSE when there are fewer fields.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep = '\n');
