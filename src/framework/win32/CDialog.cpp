#include "framework/win32/CDialog.h"

#include <vector>

#include "framework/win32/CWinApp.h"
#include "framework/win32/DataExchange.h"
#include "framework/win32/UserException.h"
#include "framework/win32/WindowProcedure.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog() : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_pParentWnd(nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd)
{}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_lpszTemplateName = lpszTemplateName;
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    } else {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
}

INT_PTR CDialog::DoModal()
{
    HWND hWndOwner = CWnd::GetSafeOwner_(SafeHwnd(m_pParentWnd), nullptr);
    // A Unicode dialog, so that its edit controls keep what is typed or pasted
    // even when the code page cannot hold it: the exchange then sees the loss.
    std::vector<WCHAR> name;
    LPCWSTR lpszName = reinterpret_cast<LPCWSTR>(m_lpszTemplateName);
    if (!IS_INTRESOURCE(m_lpszTemplateName)) {
        name.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, m_lpszTemplateName, -1, nullptr, 0)));
        ::MultiByteToWideChar(CP_ACP, 0, m_lpszTemplateName, -1, name.data(), static_cast<int>(name.size()));
        lpszName = name.data();
    }
    INT_PTR nResult =
        ::DialogBoxParamW(AfxGetResourceHandle(), lpszName, hWndOwner, DialogProc, reinterpret_cast<LPARAM>(this));
    // The dialog window is gone; its controls detached themselves on WM_NCDESTROY.
    m_hWnd = nullptr;
    return nResult;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_INITDIALOG || CWnd::FromHandlePermanent(hDlg) != nullptr) return FALSE;
    // From here on the dialog's messages reach its object through the subclass
    // procedure before the dialog manager's default processing.
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (!CWndProcedure::AttachDialog(pDlg, hDlg)) return FALSE;
    return CWndProcedure::CallWndProc(pDlg, hDlg, nMsg, wParam, lParam) != 0;
}

// A dialog opens centred over its owner, as users of the classic framework's
// programs see it, unless OnInitDialog placed or showed it itself.
LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    const BOOL bResult = OnInitDialog();
    if (m_hWnd == nullptr) return bResult;
    CRect rcAfter;
    GetWindowRect(&rcAfter);
    if (rcAfter.left == rcBefore.left && rcAfter.top == rcBefore.top && !(GetStyle() & WS_VISIBLE)) CenterWindow();
    return bResult;
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        // The failing exchange has told the user and put the focus on its control.
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}
