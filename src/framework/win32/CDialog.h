// CDialog: a modal dialog box run from a dialog template. DoModal shows it over its
// owner (the main window when no parent is given) and returns the value passed to
// EndDialog. OnInitDialog loads the members into the controls (UpdateData(FALSE));
// OnOK takes them back (UpdateData(TRUE)) and ends with IDOK only when that
// succeeded; OnCancel ends with IDCANCEL, as do Escape and the close box.
#pragma once

#include "framework/win32/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // Moves data between the members and the controls; FALSE when validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDHelp;  // the template's id, when given by number
    LPCTSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

protected:
    CDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);
    CString m_strTemplateName;  // keeps a template name given as text
};
