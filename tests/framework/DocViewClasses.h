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

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
protected:
    afx_msg void OnDocCmd() { g_handled.push_back("doc:doc"); }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
protected:
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

class CTestApp : public CWinApp {
public:
    using CWinApp::OnFileNew;

protected:
    afx_msg void OnAppCmd() { g_handled.push_back("app:app"); }
    afx_msg void OnShared() { g_handled.push_back("app:shared"); }
    DECLARE_MESSAGE_MAP()
};
