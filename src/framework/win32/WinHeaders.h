// The Windows SDK headers the framework builds on, in the order they need, and the
// framework's portable types next to them (both define BOOL, DWORD, ... the same way).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "framework/portable/Types.h"
#include "framework/portable/CString.h"
