// Dialog data exchange: DoDataExchange of a dialog lists DDX_ calls that move a
// member to its control (loading) or back (saving), and DDV_ calls that check the
// value just saved. A failed check tells the user, puts the focus on the control
// and ends the exchange (UpdateData returns FALSE).
#pragma once

#include "framework/win32/CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;   // the control of the latest DDX_ call
    BOOL m_bEditLastControl;  // ... and whether it is an edit control

    // The control with id nIDC, remembered for the DDV_ call that follows.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange: focus (and selection) on the last control, then a CUserException.
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Subclasses the control into rControl the first time; the control's messages then
// reach rControl's message map.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Loading: limits the last edit control to nChars. Saving: fails when value is longer.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
