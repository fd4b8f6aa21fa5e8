// CListView: a view that is itself a list-view control ("SysListView32"). The
// control paints itself; its notifications (NM_DBLCLK, LVN_ITEMCHANGED, ...) and
// owner-draw messages (WM_DRAWITEM, WM_MEASUREITEM) sent to the frame are
// reflected back to the view's own message map.
#pragma once

#include "framework/win32/CListCtrl.h"
#include "framework/win32/CView.h"

class CListView : public CView {
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    ~CListView() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The view's control, through the list-view operations.
    CListCtrl& GetListCtrl() const;
    // Paints one row of an owner-drawn list (LVS_OWNERDRAWFIXED).
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnDraw(CDC* pDC) override;
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    mutable CListCtrl m_listCtrl;  // the same window, for CListCtrl's operations
};
