// CToolBarCustomDraw: how one flat paint of a toolbar talks to the toolbar's
// parent. It sends NM_CUSTOMDRAW at the stages a native toolbar control does:
// before the paint, before and after each button when the parent asked for them,
// and after the paint; and it keeps the parent's answers, which decide whether a
// button is painted by the toolbar at all. Without a parent window nothing is sent
// and every answer counts as CDRF_DODEFAULT.
#pragma once

#include "framework/win32/Afx.h"

class CToolBarCustomDraw {
public:
    CToolBarCustomDraw(CDC* pDC, CToolBar* pBar, HWND hwndNotify);

    void PrePaint();
    // TRUE when the toolbar paints button nIndex itself (the parent did not skip it).
    BOOL ItemPrePaint(int nIndex);
    void ItemPostPaint(int nIndex);
    void PostPaint();

    NMCUSTOMDRAW nmcd;
    DWORD m_dwPrePaintResult;  // the answer to CDDS_PREPAINT
    DWORD m_dwItemResult;      // the answer to the latest CDDS_ITEMPREPAINT
    CToolBar* m_pBar;
    CWnd* m_pNotifyWnd;  // the parent, NULL when it is no window

private:
    // Fills the notification for button nIndex: its rectangle, command id and state.
    void SetItem(int nIndex);
    DWORD Send(DWORD dwDrawStage);
};
