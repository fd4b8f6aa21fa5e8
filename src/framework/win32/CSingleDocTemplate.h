// CSingleDocTemplate: the template of a program with one document at a time. The
// first New or Open creates the document, its frame (which becomes the main
// window) and its view; every later New and Open reuses the same three.
#pragma once

#include "framework/win32/CDocTemplate.h"

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    CDocument* m_pOnlyDoc;
    // New documents made so far: an open that fails after its document fell back
    // to a new one (through File New) shows as a change in this count.
    UINT m_nNewDocuments = 0;
};
