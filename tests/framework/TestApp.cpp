// The framework tests' application object: it registers itself, as a program's
// does, and gives message boxes their caption from the test resources.
#include "framework/win32/Afx.h"

CWinApp g_testApp;
