// The toolbar resource (type RT_TOOLBAR, 241): the image size and the command id
// of each button in order, 0 standing for a separator. Two layouts exist: the
// resource compiler's (WORD version 1, width, height, count, then count WORD ids)
// and windres's (DWORD width, height, count, then count DWORD ids); both are read.
#pragma once

#include <vector>

#include "framework/win32/WinHeaders.h"

struct ToolBarResource {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<UINT> ids;
};

// Parses the bytes of a toolbar resource; FALSE when they fit neither layout.
BOOL ParseToolBarResource(const void* pData, DWORD cbData, ToolBarResource& rResource);
// Finds and parses resource lpszResourceName of type RT_TOOLBAR.
BOOL LoadToolBarResource(HINSTANCE hInst, LPCTSTR lpszResourceName, ToolBarResource& rResource);
