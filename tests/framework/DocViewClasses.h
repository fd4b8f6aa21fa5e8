// Small document, view, frame and application classes for the framework's tests.
// Each handles some of the test commands, and every handler that runs records
// "<object>:<command>" in g_handled, so that tests can see which object of the
// route took a command.
#pragma once

#include <string>
#include <vector>

#include "TestResources.h"
#include "framework/win32/Afx.h"

extern std::vector<std::string> g_handled;

// Text content, stored as its bytes. Counts loads and stores; can fail loading.
class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    CString m_strText;
    int m_nLoads = 0;
    int m_nStores = 0;
    BOOL m_bThrowOnLoad = FALSE;
    int m_nNewDocuments = 0;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;

protected:
    afx_msg void OnDocCmd() { g_handled.push_back("doc:doc"); }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    int m_nInitialUpdates = 0;
    int m_nUpdates = 0;
    LPARAM m_lLastHint = 0;

    void OnInitialUpdate() override;

protected:
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    afx_msg void OnViewCmd() { g_handled.push_back("view:view"); }
    afx_msg void OnShared() { g_handled.push_back("view:shared"); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
public:
    BOOL m_bFrameCmdEnabled = TRUE;

protected:
    afx_msg void OnFrameCmd() { g_handled.push_back("frame:frame"); }
    afx_msg void OnShared() { g_handled.push_back("frame:shared"); }
    afx_msg void OnUpdateFrameCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bFrameCmdEnabled); }
    afx_msg void OnDisabled() { g_handled.push_back("frame:disabled"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

// A frame with the test toolbar and a status bar of a message pane and the three
// key-lock indicators, made as a program's main frame makes them.
class CBarsFrame : public CTestFrame {
    DECLARE_DYNCREATE(CBarsFrame)
public:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    using CWinApp::OnFileNew;
    using CWinApp::OnFileOpen;

protected:
    afx_msg void OnAppCmd() { g_handled.push_back("app:app"); }
    afx_msg void OnShared() { g_handled.push_back("app:shared"); }
    DECLARE_MESSAGE_MAP()
};

// Dispatches the messages waiting in this thread's queue (a WM_QUIT is dropped).
void PumpMessages();
