// CEntryDlg: "Entry Properties", the four texts of one entry for adding or
// editing. It takes any texts, all empty included; the password is shown in
// clear. Save ends it with IDOK and the members holding the edited texts; Cancel,
// Escape and the close box end it with IDCANCEL and leave the members as given.
#pragma once

#include "framework/win32/Afx.h"

class CEntryDlg : public CDialog {
public:
    explicit CEntryDlg(CWnd* pParent = nullptr);

    CString m_strFor;
    CString m_strNotes;
    CString m_strPassword;
    CString m_strUsername;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
