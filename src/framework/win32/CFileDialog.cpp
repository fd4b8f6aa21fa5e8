#include "framework/win32/CFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName(), m_szFileTitle()
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr) std::strncpy(m_szFileName, lpszFileName, sizeof(m_szFileName) - 1);
    if (lpszFilter != nullptr) {
        // "Text (*.txt)|*.txt|All (*.*)|*.*||" becomes the same with NULs, ended by two.
        for (const char* p = lpszFilter; *p != '\0'; ++p) m_filter.push_back(*p == '|' ? '\0' : *p);
        m_filter.push_back('\0');
        m_filter.push_back('\0');
        m_ofn.lpstrFilter = m_filter.data();
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = CWnd::GetSafeOwner_(SafeHwnd(m_pParentWnd), nullptr);
    // The buffer may have been replaced through m_ofn; make sure a name is terminated.
    m_szFileTitle[0] = '\0';
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return m_ofn.lpstrFile; }

CString CFileDialog::GetFileName() const
{
    CString strPath = GetPathName();
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':') nStart = i + 1;
    return strPath.Mid(nStart);
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = -1;
    for (int i = 0; i < strName.GetLength(); ++i)
        if (strName[i] == '.') nDot = i;
    return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    CString strExt = GetFileExt();
    return strExt.IsEmpty() ? strName : strName.Left(strName.GetLength() - strExt.GetLength() - 1);
}

BOOL CFileDialog::GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
