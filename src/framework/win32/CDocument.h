// CDocument: the data a program shows and stores, with its file name, title and
// modified flag, the views that show it, and the framework's file operations:
// New (OnNewDocument), Open (OnOpenDocument: Serialize from a load archive), Save
// (OnSaveDocument: Serialize to a store archive), Save As with its file dialog,
// and the question whether to save changes. Its command map handles File Save and
// File Save As.
#pragma once

#include "framework/portable/CArray.h"
#include "framework/portable/CFile.h"
#include "framework/win32/CCmdTarget.h"

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and shows it in the captions of the frames of its views.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Takes the full form of the path as the document's file and its file name as
    // the title.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Views.
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);

    // File operations.
    virtual void DeleteContents();
    // Empties the document: no path, not modified.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize (not a file of length 0); reports its own
    // errors and returns FALSE when the file cannot be opened or Serialize throws.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Creates (or empties) the file and writes it through Serialize; reports its
    // own errors. Any path: the document's own path is not changed.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, const CException* e, BOOL bSaving, UINT nIDPDefault);
    virtual CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    // When modified, asks "Save changes to <name>?": Yes saves, No goes on, Cancel
    // (or a failed save) returns FALSE.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Saves under lpszPathName; without one, asks for a name first (Save As). With
    // bReplace the name becomes the document's path.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    // Saves under the current path; Save As when there is none or the file is read-only.
    virtual BOOL DoFileSave();
    // Brings the captions of the frames up to date.
    virtual void UpdateFrameCounts();
    virtual void OnChangedViewList();

    BOOL m_bAutoDelete;  // the document is deleted when its last view goes
    BOOL m_bEmbedded;

    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnFileClose();

    // Routes commands to the document, then to its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CArray<CView*, CView*> m_viewList;
    BOOL m_bModified;

    friend class CDocTemplate;

    DECLARE_MESSAGE_MAP()
};
