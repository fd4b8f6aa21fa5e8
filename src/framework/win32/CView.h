// CView: a child window of a frame that shows a document. It is created by the
// frame from the document template, added to the document's views, told to fill
// itself when its document is new or opened (OnInitialUpdate) and whenever the
// document changes (OnUpdate, through UpdateAllViews). Commands reach the view
// first, then its document. It deletes itself when its window is destroyed.
#pragma once

#include "framework/win32/CWnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Called once the document is new or opened; calls OnUpdate(NULL, 0, NULL).
    virtual void OnInitialUpdate();
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

protected:
    CView();
    ~CView() override;

    // The document changed; the default repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument;

    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
