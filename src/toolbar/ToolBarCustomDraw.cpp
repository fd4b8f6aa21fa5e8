#include "toolbar/ToolBarCustomDraw.h"

CToolBarCustomDraw::CToolBarCustomDraw(CDC* pDC, CToolBar* pBar, HWND hwndNotify)
    : nmcd(), m_dwPrePaintResult(0), m_dwItemResult(0), m_pBar(pBar),
      m_pNotifyWnd(::IsWindow(hwndNotify) ? CWnd::FromHandle(hwndNotify) : nullptr)
{
    nmcd.hdr.hwndFrom = pBar->m_hWnd;
    nmcd.hdr.idFrom = static_cast<UINT_PTR>(::GetWindowLongA(pBar->m_hWnd, GWL_ID));
    nmcd.hdr.code = NM_CUSTOMDRAW;
    nmcd.hdc = pDC != nullptr ? pDC->m_hDC : nullptr;
}

DWORD CToolBarCustomDraw::Send(DWORD dwDrawStage)
{
    if (m_pNotifyWnd == nullptr) return CDRF_DODEFAULT;
    nmcd.dwDrawStage = dwDrawStage;
    return static_cast<DWORD>(m_pNotifyWnd->SendMessage(WM_NOTIFY, nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&nmcd)));
}

void CToolBarCustomDraw::SetItem(int nIndex)
{
    m_pBar->GetItemRect(nIndex, &nmcd.rc);
    UINT nID;
    UINT nStyle;
    int iImage;
    m_pBar->GetButtonInfo(nIndex, nID, nStyle, iImage);
    nmcd.dwItemSpec = nID;
    nmcd.lItemlParam = 0;
    nmcd.uItemState = 0;
    if (!m_pBar->GetToolBarCtrl().IsButtonEnabled(static_cast<int>(nID))) nmcd.uItemState |= CDIS_DISABLED;
    if (nStyle & (TBBS_CHECKED | TBBS_PRESSED)) nmcd.uItemState |= CDIS_CHECKED;
}

void CToolBarCustomDraw::PrePaint()
{
    SetRectEmpty(&nmcd.rc);
    nmcd.dwItemSpec = 0;
    nmcd.uItemState = 0;
    nmcd.lItemlParam = 0;
    m_dwPrePaintResult = Send(CDDS_PREPAINT);
}

BOOL CToolBarCustomDraw::ItemPrePaint(int nIndex)
{
    m_dwItemResult = CDRF_DODEFAULT;
    if (m_dwPrePaintResult & CDRF_NOTIFYITEMDRAW) {
        SetItem(nIndex);
        m_dwItemResult = Send(CDDS_ITEMPREPAINT);
    }
    return (m_dwItemResult & CDRF_SKIPDEFAULT) == 0;
}

void CToolBarCustomDraw::ItemPostPaint(int nIndex)
{
    if (!(m_dwItemResult & CDRF_NOTIFYPOSTPAINT)) return;
    // Filled again: the parent may have changed the fields it was given.
    SetItem(nIndex);
    Send(CDDS_ITEMPOSTPAINT);
}

void CToolBarCustomDraw::PostPaint()
{
    if (!(m_dwPrePaintResult & CDRF_NOTIFYPOSTPAINT)) return;
    SetRectEmpty(&nmcd.rc);
    nmcd.dwItemSpec = 0;
    nmcd.uItemState = 0;
    Send(CDDS_POSTPAINT);
}
