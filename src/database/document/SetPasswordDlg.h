// CSetPasswordDlg: asks for a new password twice, or for the choice not to lock
// the database. OK closes it only with two equal, non-empty passwords of at most
// 56 characters, or with "Do not lock database" ticked.
#pragma once

#include "framework/win32/Afx.h"

class CSetPasswordDlg : public CDialog {
public:
    CSetPasswordDlg();

    CEdit m_editConfirm;
    CEdit m_editPassword;
    BOOL m_bDoNotLock;
    CString m_strPassword;
    CString m_strConfirm;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Ticking the box changes nothing until OK is pressed.
    afx_msg void OnDoNotLock();

    DECLARE_MESSAGE_MAP()
};
