// CFileDialog: the common Open or Save As dialog. The filter is given in the
// framework's form, pairs of "description|pattern" separated by "|" and ended by
// "||"; m_ofn may be adjusted (a title, more flags) before DoModal.
#pragma once

#include <vector>

#include "framework/win32/CDialog.h"

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const;

    OPENFILENAMEA m_ofn;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    std::vector<char> m_filter;  // the filter with NULs in place of "|"
    char m_szFileName[MAX_PATH * 2];
    char m_szFileTitle[MAX_PATH];
};
