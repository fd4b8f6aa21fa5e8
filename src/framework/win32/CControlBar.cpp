#include "framework/win32/CControlBar.h"

#include "framework/win32/AfxPriv.h"
#include "framework/win32/AfxRes.h"
#include "framework/win32/CDC.h"
#include "framework/win32/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {
const int kBorderWidth = 2;  // an etched edge: a shadow line and a highlight line
}

CControlBar::CControlBar()
    : m_dwStyle(0), m_dwDockStyle(0), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(1), m_cyBottomBorder(1),
      m_cxDefaultGap(2), m_bAutoDelete(FALSE), m_pDockSite(nullptr), m_pDockContext(nullptr), m_nFlybyID(-1)
{}

CControlBar::~CControlBar() = default;

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete) delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    if (m_pDockSite == nullptr) m_pDockSite = GetParentFrame();
    return 0;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle) return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }

CFrameWnd* CControlBar::GetDockingFrame() const { return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame(); }

BOOL CControlBar::IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }

int CControlBar::GetCount() const { return 0; }

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= kBorderWidth;
    // The bar's own borders run across its length and at its ends.
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The inside of an empty rectangle is negative by the borders' size.
    CRect rect;
    CalcInsideRect(rect, bHorz);
    CSize size;
    size.cx = bStretch && bHorz ? 32767 : -rect.Width();
    size.cy = bStretch && !bHorz ? 32767 : -rect.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & 0x10) != 0, (nMode & 0x04) != 0);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= kBorderWidth;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= kBorderWidth;
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CControlBar::OnNcPaint()
{
    // Borders in the non-client area; the rest of it in the bar's background.
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ScreenToClient(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    dc.IntersectClipRect(&rectWindow);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    // A bar shows the button face wherever its items leave room, not the
    // background a control would take from its parent (a frame's is white).
    CRect rect;
    ::GetClipBox(pDC->m_hDC, &rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnTimer(UINT_PTR nIDEvent) { CWnd::OnTimer(nIDEvent); }

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) { CWnd::OnLButtonDown(nFlags, point); }

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (GetStyle() & WS_VISIBLE) {
        CFrameWnd* pTarget = GetDockingFrame();
        if (pTarget != nullptr) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    }
    return 0;
}

INT_PTR CControlBar::OnToolHitTest(CPoint, TOOLINFOA*) const { return -1; }

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE && (m_dwStyle & CBRS_FLYBY))
        TrackFlyby(CPoint(lParam));
    else if (message == WM_MOUSELEAVE && m_nFlybyID != -1)
        EndFlyby();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::TrackFlyby(CPoint point)
{
    INT_PTR nID = OnToolHitTest(point, nullptr);
    if (nID == m_nFlybyID) return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr) return;
    if (m_nFlybyID == -1) {
        // Hear when the pointer leaves the bar, to take the prompt away again.
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    m_nFlybyID = nID;
    pFrame->SetMessageText(nID == -1 ? static_cast<UINT>(AFX_IDS_IDLEMESSAGE) : static_cast<UINT>(nID));
}

void CControlBar::EndFlyby()
{
    m_nFlybyID = -1;
    if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->SetMessageText(static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
}
