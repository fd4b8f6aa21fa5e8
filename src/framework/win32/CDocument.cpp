#include "framework/win32/CDocument.h"

#include <memory>

#include "framework/portable/CArchive.h"
#include "framework/portable/PlatformFile.h"
#include "framework/win32/AfxRes.h"
#include "framework/win32/CDocTemplate.h"
#include "framework/win32/CFrameWnd.h"
#include "framework/win32/CView.h"
#include "framework/win32/CWinApp.h"
#include "framework/win32/FilePaths.h"
#include "framework/win32/FrameworkPrompts.h"
#include "framework/win32/MessageBox.h"
#include "framework/win32/UserException.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_bAutoDelete(TRUE), m_bEmbedded(FALSE), m_pDocTemplate(nullptr), m_bModified(FALSE) {}

CDocument::~CDocument()
{
    if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = AfxFullPath(lpszPathName);
    SetTitle(AfxFileNameOf(m_strPathName));
    CWinApp* pApp = AfxGetApp();
    if (bAddToMRU && pApp != nullptr) pApp->AddToRecentFileList(m_strPathName);
}

BOOL CDocument::IsModified() { return m_bModified; }
void CDocument::SetModifiedFlag(BOOL bModified) { m_bModified = bModified; }

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.IsEmpty() ? nullptr : reinterpret_cast<POSITION>(static_cast<INT_PTR>(1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    INT_PTR nIndex = reinterpret_cast<INT_PTR>(rPosition) - 1;
    CView* pView = m_viewList[static_cast<int>(nIndex)];
    rPosition = nIndex + 1 < m_viewList.GetSize() ? reinterpret_cast<POSITION>(nIndex + 2) : nullptr;
    return pView;
}

void CDocument::AddView(CView* pView)
{
    m_viewList.Add(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    for (int i = 0; i < m_viewList.GetSize(); ++i) {
        if (m_viewList[i] == pView) {
            m_viewList.RemoveAt(i);
            break;
        }
    }
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // A document whose last view went away goes with it.
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (int i = 0; i < m_viewList.GetSize(); ++i) {
        CView* pView = m_viewList[i];
        if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    for (int i = 0; i < m_viewList.GetSize(); ++i) {
        CFrameWnd* pFrame = m_viewList[i]->GetParentFrame();
        if (pFrame != nullptr && pFrame->m_hWnd != nullptr) pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    auto pFile = std::make_unique<CFile>();
    if (!pFile->Open(lpszFileName, nOpenFlags, pError)) return nullptr;
    return pFile.release();
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    std::unique_ptr<CFile> owner(pFile);
    if (bAbort) {
        pFile->Abort();
    } else {
        pFile->Close();
    }
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    // Modified while loading: a load that fails part-way leaves a spoilt document.
    SetModifiedFlag();
    BOOL bReleased = FALSE;
    try {
        {
            CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
            // An empty file is an empty document: there is nothing to read.
            if (pFile->GetLength() != 0) Serialize(loadArchive);
            loadArchive.Close();
        }
        bReleased = TRUE;
        ReleaseFile(pFile, FALSE);
    } catch (const CException& e) {
        if (!bReleased) ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, &e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    BOOL bReleased = FALSE;
    try {
        {
            CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
            Serialize(saveArchive);
            saveArchive.Close();
        }
        bReleased = TRUE;
        ReleaseFile(pFile, FALSE);
    } catch (const CException& e) {
        if (!bReleased) ReleaseFile(pFile, TRUE);
        ReportSaveLoadException(lpszPathName, &e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR, const CException* e, BOOL, UINT nIDPDefault)
{
    if (dynamic_cast<const CUserException*>(e) != nullptr) return;  // already told
    CString strPrompt;
    if (dynamic_cast<const CFileException*>(e) != nullptr || dynamic_cast<const CArchiveException*>(e) != nullptr)
        strPrompt = e->GetErrorMessage();
    if (strPrompt.IsEmpty()) strPrompt = AfxFrameworkPrompt(nIDPDefault);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

void CDocument::OnCloseDocument()
{
    // Destroying the last frame may delete this document: keep it alive meanwhile.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = m_viewList[0];
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr) {
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        // A view that outlives its window is no longer this document's.
        if (!m_viewList.IsEmpty() && m_viewList[0] == pView) RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified()) return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : AfxFileNameOf(m_strPathName);
    if (strName.IsEmpty()) strName = AfxFrameworkPrompt(AFX_IDS_UNTITLED);
    switch (AfxMessageBox(AfxFrameworkPrompt(AFX_IDP_ASK_TO_SAVE, strName), MB_YESNOCANCEL | MB_ICONEXCLAMATION,
                          AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd*) { return SaveModified(); }

BOOL CDocument::DoFileSave()
{
    // A read-only file is saved under a new name; a path whose file does not exist
    // yet is written without asking.
    if (m_strPathName.IsEmpty() || IsReadOnlyFile(m_strPathName)) return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName != nullptr ? lpszPathName : "";
    if (strNewName.IsEmpty()) {
        CDocTemplate* pTemplate = GetDocTemplate();
        strNewName = m_strPathName;
        if (bReplace && strNewName.IsEmpty()) {
            // The title, cut at the first character a file name should not have,
            // with the template's extension.
            strNewName = m_strTitle;
            for (int i = 0; i < strNewName.GetLength(); ++i) {
                if (CString(" #%;/\\").Find(strNewName[i]) >= 0) {
                    strNewName = strNewName.Left(i);
                    break;
                }
            }
            CString strExt;
            if (pTemplate != nullptr && pTemplate->GetDocString(strExt, CDocTemplate::filterExt)) strNewName += strExt;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr || !pApp->DoPromptFileName(strNewName, AFX_IDS_SAVEFILE,
                                                       OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, pTemplate))
            return FALSE;
    }
    // A failed save leaves whatever file it was to replace: the document's own
    // save decides what is written, and when.
    if (!OnSaveDocument(strNewName)) return FALSE;
    if (bReplace) SetPathName(strNewName);
    return TRUE;
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }

void CDocument::OnFileClose()
{
    if (!SaveModified()) return;
    OnCloseDocument();
}
