// CMainFrame: the program's single top-level window. It carries the menu, the
// toolbar and the status bar around the entries view, places itself centred at
// a fixed size when created, and owns the text Import and Export commands. Its
// timer has the document look about once a second whether another program
// saved the database file, whenever nothing else is going on.
#pragma once

#include "framework/win32/Afx.h"
#include "toolbar/ToolBarEx.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Centres a 563 x 350 window in a rectangle of the work area's size placed at
    // the screen origin (the work area's own left and top are not added).
    void PlaceInWorkArea(const RECT& rcWork);

    CString m_strTextFile;  // the path last chosen for Import or Export

protected:
    void CalcStartupPlacement();
    BOOL PromptExportFile();
    BOOL PromptImportFile();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnFileExport();
    afx_msg void OnFileImport();
    afx_msg void OnUpdateFileExport(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFileImport(CCmdUI* pCmdUI);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnEnterMenuLoop(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);

public:
    CStatusBar m_wndStatusBar;
    CToolBarEx m_wndToolBar;
    int m_nTop;
    int m_nLeft;
    int m_nHeight;
    int m_nWidth;
    BOOL m_bInMenuLoop;

    DECLARE_MESSAGE_MAP()
};
