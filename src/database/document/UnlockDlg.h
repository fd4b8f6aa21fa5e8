// CUnlockDlg: asks for the password of a locked database. Typed characters show
// as "*".
#pragma once

#include "framework/win32/Afx.h"

class CUnlockDlg : public CDialog {
public:
    CUnlockDlg();

    CEdit m_editPassword;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
