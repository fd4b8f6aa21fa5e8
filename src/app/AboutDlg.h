// CAboutDlg: the About box, a plain modal dialog.
#pragma once

#include "framework/win32/Afx.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
