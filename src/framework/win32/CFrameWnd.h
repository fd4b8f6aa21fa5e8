// CFrameWnd: a top-level window with a menu, accelerators and icon from one
// resource id, control bars (toolbar, status bar) along its edges and a view
// filling the rest. It routes commands to the active view (and through it the
// document), then to itself, then to the application; updates menu items when a
// menu opens; shows command prompts in the status bar's message pane; shows the
// document's title in its caption ("title - application"); asks to save a
// modified document when closed; and opens files dropped on it.
#pragma once

#include "framework/win32/AfxRes.h"
#include "framework/win32/CWnd.h"

class CControlBar;
class CDocument;
class CView;
struct CCreateContext;

// Frame styles (kept in the window style's low word).
#define FWS_ADDTOTITLE  0x00008000L  // the caption shows the document's title
#define FWS_PREFIXTITLE 0x00004000L  // ... before the frame's own title
#define FWS_SNAPTOBARS  0x00002000L

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the window with the menu, accelerators, icon and title (the first
    // field of string resource nIDResource) of resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Views and documents.
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // Makes the first pane the active view, sends the views their initial update
    // and shows the frame (with the application's start-up show state the first time).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Caption.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Control bars and layout.
    // Places the visible control bars along the edges (in z-order) and the view in
    // the space left.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Bars may dock at these sides (CBRS_ALIGN_ flags).
    void EnableDocking(DWORD dwDockStyle);
    // Docks a bar at the side it was created for (nDockBarID names a side otherwise).
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);

    // The status bar's message pane.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual CWnd* GetMessageBar();

    BOOL m_bAutoMenuEnable;  // menu items without any handler are disabled
    HACCEL m_hAccelTable;
    UINT m_nIDHelp;  // the resource id the frame was loaded from

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    CString m_strTitle;  // the frame's own part of the caption
    CView* m_pViewActive;
    UINT m_nIDTracking;  // the command whose prompt is shown
    UINT m_nIDLastMessage;
    DWORD m_dwDockStyle;  // sides where bars may dock
    BOOL m_bInRecalcLayout;
    BOOL m_bDelayedLayout;

    DECLARE_MESSAGE_MAP()
};
