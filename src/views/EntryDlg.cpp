#include "views/EntryDlg.h"

#include "app/resource.h"

CEntryDlg::CEntryDlg(CWnd* pParent) : CDialog(IDD_ENTRY, pParent) {}

void CEntryDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FOR, m_strFor);
    DDX_Text(pDX, IDC_NOTES, m_strNotes);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_USERNAME, m_strUsername);
}

BOOL CEntryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;  // the focus goes to the first tab stop, For
}
