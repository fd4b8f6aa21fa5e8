#include "framework/win32/CSingleDocTemplate.h"

#include "framework/win32/CDocument.h"
#include "framework/win32/CFrameWnd.h"
#include "framework/win32/CView.h"
#include "framework/win32/CWinApp.h"
#include "framework/win32/FrameworkPrompts.h"
#include "framework/win32/MessageBox.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{}

CSingleDocTemplate::~CSingleDocTemplate() = default;

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    rPos = nullptr;
    return m_pOnlyDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (!GetDocString(strDocName, docName)) strDocName = AfxFrameworkPrompt(AFX_IDS_UNTITLED);
    pDocument->SetTitle(strDocName);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;

    if (m_pOnlyDoc != nullptr) {
        // Reuse the document (and its frame) after asking to save its changes.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified()) return nullptr;
        POSITION pos = pDocument->GetFirstViewPosition();
        CView* pView = pos != nullptr ? pDocument->GetNextView(pos) : nullptr;
        pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame == nullptr) pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    } else {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr) {
        AfxMessageBox(AfxFrameworkPrompt(AFX_IDP_FAILED_TO_CREATE_DOC), MB_ICONEXCLAMATION);
        return nullptr;
    }

    if (pFrame == nullptr) {
        // The frame must not delete the document if its creation fails part-way.
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr) {
            AfxMessageBox(AfxFrameworkPrompt(AFX_IDP_FAILED_TO_CREATE_DOC), MB_ICONEXCLAMATION);
            delete pDocument;
            return nullptr;
        }
    }

    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            // The document told the user what failed.
            if (bCreated) pFrame->DestroyWindow();
            return nullptr;
        }
        ++m_nNewDocuments;
    } else {
        BOOL bWasModified = pDocument->IsModified();
        UINT nNewDocuments = m_nNewDocuments;
        pDocument->SetModifiedFlag(FALSE);
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            // The document told the user what failed.
            if (bCreated) {
                pFrame->DestroyWindow();
            } else if (m_nNewDocuments != nNewDocuments) {
                // It became a new document: unmodified, as after File New.
            } else if (!pDocument->IsModified()) {
                // The open left the document as it was.
                pDocument->SetModifiedFlag(bWasModified);
            } else {
                // The open spoilt the document: it becomes a new one.
                SetDefaultTitle(pDocument);
                pDocument->OnNewDocument();
            }
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr) pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
