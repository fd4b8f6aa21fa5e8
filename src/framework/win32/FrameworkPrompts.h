// The framework's own messages to the user (failed opens and saves, the question
// whether to save changes), by id. A program's string table may give its own text
// for an id; otherwise the framework's English text is used.
#pragma once

#include "framework/win32/WinHeaders.h"

#define AFX_IDP_INVALID_FILENAME     0xF100
#define AFX_IDP_FAILED_TO_OPEN_DOC   0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC   0xF102
#define AFX_IDP_ASK_TO_SAVE          0xF103
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104
#define AFX_IDS_UNTITLED             0xF107
#define AFX_IDS_OPENFILE             0xF108
#define AFX_IDS_SAVEFILE             0xF109
#define AFX_IDS_ALLFILTER            0xF10A

// The text for id; "%1" stands for lpszArgument where the text has it.
CString AfxFrameworkPrompt(UINT nID, LPCTSTR lpszArgument = nullptr);
