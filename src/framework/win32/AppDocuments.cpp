// CWinApp's document commands: the templates it owns, File New and File Open,
// opening a file by name, the file dialog with the templates' filters, saving and
// closing all documents, and the command line's shell commands.
#include <cstdlib>

#include "framework/win32/AfxRes.h"
#include "framework/win32/CCommandLineInfo.h"
#include "framework/win32/CDocTemplate.h"
#include "framework/win32/CDocument.h"
#include "framework/win32/CFileDialog.h"
#include "framework/win32/CFrameWnd.h"
#include "framework/win32/CView.h"
#include "framework/win32/CWinApp.h"
#include "framework/win32/FilePaths.h"
#include "framework/win32/FrameworkPrompts.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) { m_templateList.Add(pTemplate); }

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.IsEmpty() ? nullptr : reinterpret_cast<POSITION>(static_cast<INT_PTR>(1));
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    INT_PTR nIndex = reinterpret_cast<INT_PTR>(rPosition) - 1;
    CDocTemplate* pTemplate = m_templateList[static_cast<int>(nIndex)];
    rPosition = nIndex + 1 < m_templateList.GetSize() ? reinterpret_cast<POSITION>(nIndex + 2) : nullptr;
    return pTemplate;
}

void CWinApp::AddToRecentFileList(LPCTSTR) {}

void CWinApp::OnFileNew()
{
    if (m_templateList.IsEmpty()) return;
    m_templateList[0]->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString strNewName;
    if (!DoPromptFileName(strNewName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
    OpenDocumentFile(strNewName);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    // A name may come quoted from the shell.
    CString strName = lpszFileName;
    if (!strName.IsEmpty() && strName[0] == '"') strName = strName.Mid(1);
    int nQuote = strName.Find('"');
    if (nQuote >= 0) strName = strName.Left(nQuote);
    CString strPath = AfxFullPath(strName);

    CDocTemplate* pBestTemplate = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (int i = 0; i < m_templateList.GetSize(); ++i) {
        CDocument* pOpenDocument = nullptr;
        CDocTemplate::Confidence match = m_templateList[i]->MatchDocType(strPath, pOpenDocument);
        if (match == CDocTemplate::yesAlreadyOpen) {
            // The file is open already: show its document.
            POSITION pos = pOpenDocument->GetFirstViewPosition();
            if (pos != nullptr) {
                CFrameWnd* pFrame = pOpenDocument->GetNextView(pos)->GetParentFrame();
                if (pFrame != nullptr) pFrame->ActivateFrame();
            }
            return pOpenDocument;
        }
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = m_templateList[i];
        }
    }
    if (pBestTemplate == nullptr) return nullptr;
    return pBestTemplate->OpenDocumentFile(strPath);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate)
{
    // "name|*.ext|" for the template (or each template), then all files.
    CString strFilter;
    CString strDefExt;
    for (int i = 0; i < m_templateList.GetSize(); ++i) {
        CDocTemplate* p = pTemplate != nullptr ? pTemplate : m_templateList[i];
        CString strExt;
        CString strName;
        if (p->GetDocString(strExt, CDocTemplate::filterExt) && p->GetDocString(strName, CDocTemplate::filterName)) {
            if (strDefExt.IsEmpty()) strDefExt = strExt[0] == '.' ? strExt.Mid(1) : strExt;
            strFilter += strName + "|*" + strExt + "|";
        }
        if (pTemplate != nullptr) break;
    }
    strFilter += AfxFrameworkPrompt(AFX_IDS_ALLFILTER) + "|*.*||";

    CFileDialog dlgFile(bOpenFileDialog, strDefExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strDefExt), fileName,
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | lFlags, strFilter);
    CString strTitle = AfxFrameworkPrompt(nIDSTitle);
    dlgFile.m_ofn.lpstrTitle = strTitle;
    if (dlgFile.DoModal() != IDOK) return FALSE;
    fileName = dlgFile.GetPathName();
    return TRUE;
}

BOOL CWinApp::SaveAllModified()
{
    for (int i = 0; i < m_templateList.GetSize(); ++i)
        if (!m_templateList[i]->SaveAllModified()) return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (int i = 0; i < m_templateList.GetSize(); ++i) m_templateList[i]->CloseAllDocuments(bEndSession);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i) {
        const char* pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        if (bFlag) ++pszParam;
        rCmdInfo.ParseParam(pszParam, bFlag, i + 1 == __argc);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        // The application's own File New handler, if it has one.
        if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr)) OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Open hidden, print, and end the program.
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;
    case CCommandLineInfo::FileDDE:
        // Requests by DDE are not served: the program starts hidden and ends.
        m_nCmdShow = SW_HIDE;
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::AppUnregister: {
        UnregisterShellFileTypes();
        if (m_pszRegistryKey != nullptr) {
            HKEY hCompanyKey = nullptr;
            CString strCompany = CString("Software\\") + m_pszRegistryKey;
            if (::RegOpenKeyExA(HKEY_CURRENT_USER, strCompany, 0, KEY_ALL_ACCESS, &hCompanyKey) == ERROR_SUCCESS) {
                ::RegDeleteTreeA(hCompanyKey, m_pszProfileName);
                ::RegCloseKey(hCompanyKey);
            }
        }
        return FALSE;
    }
    default:
        return TRUE;
    }
}
