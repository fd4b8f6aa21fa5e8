#include "database/document/UnlockDlg.h"

#include "app/resource.h"

CUnlockDlg::CUnlockDlg() : CDialog(IDD_UNLOCK) {}

void CUnlockDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PASSWORD, m_editPassword);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
}

BOOL CUnlockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editPassword.SetPasswordChar('*');
    return TRUE;
}
