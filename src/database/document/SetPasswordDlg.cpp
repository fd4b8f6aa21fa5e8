#include "database/document/SetPasswordDlg.h"

#include "app/resource.h"

namespace {
const int kMaxPasswordLength = 56;
}

BEGIN_MESSAGE_MAP(CSetPasswordDlg, CDialog)
    ON_BN_CLICKED(IDC_DO_NOT_LOCK, &CSetPasswordDlg::OnDoNotLock)
END_MESSAGE_MAP()

CSetPasswordDlg::CSetPasswordDlg() : CDialog(IDD_SET_PASSWORD), m_bDoNotLock(FALSE) {}

void CSetPasswordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONFIRM, m_editConfirm);
    DDX_Control(pDX, IDC_PASSWORD, m_editPassword);
    DDX_Check(pDX, IDC_DO_NOT_LOCK, m_bDoNotLock);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxPasswordLength);
    DDX_Text(pDX, IDC_CONFIRM, m_strConfirm);
    DDV_MaxChars(pDX, m_strConfirm, kMaxPasswordLength);
}

BOOL CSetPasswordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editPassword.SetPasswordChar('*');
    m_editConfirm.SetPasswordChar('*');
    return TRUE;
}

void CSetPasswordDlg::OnOK()
{
    if (!UpdateData(TRUE)) return;
    if (m_strPassword != m_strConfirm && !m_bDoNotLock) {
        AfxMessageBox("Passwords to not match.\nPlease re-type then again.", MB_ICONSTOP | MB_OK);
        return;
    }
    if (m_bDoNotLock || !m_strPassword.IsEmpty() || !m_strConfirm.IsEmpty()) {
        EndDialog(IDOK);
        return;
    }
    if (AfxMessageBox("You did not specify a password, and Do not lock database\nwas not checked.\n\n"
                      "Continuing will leave the database unlocked.",
                      MB_ICONQUESTION | MB_YESNO) != IDYES) {
        return;
    }
    m_bDoNotLock = TRUE;
    UpdateData(FALSE);
    EndDialog(IDOK);
}

void CSetPasswordDlg::OnDoNotLock() {}
