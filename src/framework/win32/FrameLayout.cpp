// CFrameWnd's layout: control bars along the edges in z-order, the view in the
// space left; docking (bars stay where they were created); the View menu's bar
// commands, which show or hide a bar and check their menu item.
#include "framework/win32/CControlBar.h"
#include "framework/win32/CCmdUI.h"
#include "framework/win32/CFrameWnd.h"

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr || m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    m_bDelayedLayout = FALSE;

    CRect rcFree;
    GetClientRect(&rcFree);
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(hChild));
        if (pBar == nullptr || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        DWORD dwAlign = pBar->m_dwStyle & CBRS_ALIGN_ANY;
        BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0 || dwAlign == 0;
        CSize size = pBar->CalcFixedLayout(TRUE, bHorz);
        CRect rcBar = rcFree;
        if (dwAlign & CBRS_ALIGN_BOTTOM) {
            rcBar.top = rcFree.bottom - size.cy;
            rcFree.bottom = rcBar.top;
        } else if (dwAlign & CBRS_ALIGN_LEFT) {
            rcBar.right = rcFree.left + size.cx;
            rcFree.left = rcBar.right;
        } else if (dwAlign & CBRS_ALIGN_RIGHT) {
            rcBar.left = rcFree.right - size.cx;
            rcFree.right = rcBar.left;
        } else {
            rcBar.bottom = rcFree.top + size.cy;
            rcFree.top = rcBar.bottom;
        }
        pBar->MoveWindow(&rcBar);
    }
    if (rcFree.bottom < rcFree.top) rcFree.bottom = rcFree.top;
    if (rcFree.right < rcFree.left) rcFree.right = rcFree.left;
    if (CWnd* pView = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE)) pView->MoveWindow(&rcFree);

    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL) { m_bDelayedLayout = TRUE; }

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_bDelayedLayout) RecalcLayout();
    return 0;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT, LPCRECT)
{
    // The bar docks on the side it was created for, if both allow it; else at the top.
    DWORD dwSide = pBar->m_dwStyle & CBRS_ALIGN_ANY & pBar->m_dwDockStyle & m_dwDockStyle;
    if (dwSide == 0) {
        DWORD dwAllowed = pBar->m_dwDockStyle & m_dwDockStyle;
        const DWORD sides[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
        for (DWORD side : sides) {
            if (dwAllowed & side) {
                dwSide = side;
                break;
            }
        }
    }
    if (dwSide != 0) pBar->SetBarStyle((pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwSide);
    pBar->m_pDockSite = this;
    RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    return DYNAMIC_DOWNCAST(CControlBar, GetDescendantWindow(static_cast<int>(nID), TRUE));
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}
