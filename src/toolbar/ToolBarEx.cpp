// CToolBarEx: construction, the image offset, hot tracking, the non-client area
// (gripper and borders), command-UI updates and the smaller handlers. The client
// area's painting is in ToolBarExPaint.cpp.
#include "toolbar/ToolBarEx.h"

IMPLEMENT_DYNAMIC(CToolBarEx, CToolBar)

BEGIN_MESSAGE_MAP(CToolBarEx, CToolBar)
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_NCPAINT()
    ON_WM_TIMER()
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(TB_SETBUTTONSIZE, &CToolBarEx::OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, &CToolBarEx::OnSetBitmapSize)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kHotTimerId = 1;
const UINT kHotTimerPeriod = 250;  // milliseconds between checks that the pointer left
const int kGripperInset = 4;       // from the window's edges
const int kGripperBar = 3;         // thickness of one gripper bar
const int kGripperRoomHorz = 4;    // client area moved right on a horizontal bar
const int kGripperRoomVert = 6;    // client area moved down on a vertical bar

BOOL IsHorizontal(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }

}  // namespace

CToolBarEx::CToolBarEx() : m_nLastBtn(-1), m_uTimerID(0), m_hwndParent(nullptr), m_bDeleteImgList(FALSE)
{
    ReadSysColors();
    CalcImageOffset();

    // The texts' font: the GUI font, else the system font made normal weight.
    HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    BOOL bFallback = hFont == nullptr;
    if (bFallback) hFont = ::GetStockObject(SYSTEM_FONT);
    LOGFONT lf = {};
    ::GetObject(hFont, sizeof(lf), &lf);
    if (bFallback) {
        lf.lfWeight = FW_NORMAL;
        lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    }
    lf.lfHeight = 6;
    lf.lfWidth = 0;
    m_GuiFont.CreateFontIndirect(&lf);
}

CToolBarEx::~CToolBarEx()
{
    m_GuiFont.DeleteObject();
    m_Styles.RemoveAll();
}

void CToolBarEx::ReadSysColors()
{
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnHilight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnLight = ::GetSysColor(COLOR_3DLIGHT);
}

BOOL CToolBarEx::HasButtonTexts() const { return m_pStringMap != nullptr && !m_pStringMap->empty(); }

void CToolBarEx::CalcImageOffset()
{
    m_sizeOffset.cx = (m_sizeButton.cx - m_sizeImage.cx) / 2;
    m_sizeOffset.cy = HasButtonTexts() ? m_cyTopBorder : (m_sizeButton.cy - m_sizeImage.cy) / 2;
}

LRESULT CToolBarEx::OnSetButtonSize(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CToolBar::OnSetButtonSize(wParam, lParam);
    if (lResult == 0) return 0;
    CalcImageOffset();
    return lResult;
}

LRESULT CToolBarEx::OnSetBitmapSize(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CToolBar::OnSetBitmapSize(wParam, lParam);
    if (lResult == 0) return 0;
    CalcImageOffset();
    return lResult;
}

int CToolBarEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    m_hwndParent = lpCreateStruct->hwndParent;
    return 0;
}

void CToolBarEx::OnSysColorChange()
{
    CToolBar::OnSysColorChange();
    ReadSysColors();
}

void CToolBarEx::InvalidateButton(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount()) return;
    CRect rect;
    GetItemRect(nIndex, &rect);
    InvalidateRect(&rect, FALSE);
}

BOOL CToolBarEx::IsTrackingActive() const
{
    CWnd* pTop = GetTopLevelParent();
    return IsTopParentActive() && pTop != nullptr && pTop->IsWindowEnabled();
}

void CToolBarEx::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsTrackingActive()) {
        int nOldBtn = m_nLastBtn;
        m_nLastBtn = -1;
        CToolBarCtrl& ctrl = GetToolBarCtrl();
        int nCount = GetCount();
        for (int i = 0; i < nCount; ++i) {
            CRect rect;
            GetItemRect(i, &rect);
            UINT nID = GetItemID(i);
            if ((GetButtonStyle(i) & TBBS_SEPARATOR) || !ctrl.IsButtonEnabled(static_cast<int>(nID))) continue;
            if (rect.PtInRect(point)) {
                if (i != nOldBtn) InvalidateRect(&rect, FALSE);
                m_nLastBtn = i;
            } else if (i == nOldBtn) {
                InvalidateRect(&rect, FALSE);
            }
        }
        // Restarted with every move; its ticks notice when the pointer has left.
        KillTimer(m_uTimerID);
        m_uTimerID = static_cast<UINT>(SetTimer(kHotTimerId, kHotTimerPeriod, nullptr));
    }
    CToolBar::OnMouseMove(nFlags, point);
}

void CToolBarEx::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_uTimerID) {
        CControlBar::OnTimer(nIDEvent);
        return;
    }
    if (m_nLastBtn >= 0) {
        CPoint point;
        ::GetCursorPos(&point);
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        if (!rcWindow.PtInRect(point)) {
            InvalidateButton(m_nLastBtn);
            m_nLastBtn = -1;
        }
        if (m_nLastBtn >= 0) return;
    }
    KillTimer(nIDEvent);
}

void CToolBarEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Shift+click is swallowed: neither the bar nor the control sees it.
    if (::GetAsyncKeyState(VK_SHIFT) & 0x8000) return;
    CControlBar::OnLButtonDown(nFlags, point);
}

void CToolBarEx::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CToolBar::OnWindowPosChanging(lpwndpos);
    if (!(lpwndpos->flags & SWP_NOSIZE)) Invalidate(FALSE);
}

void CToolBarEx::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) m_Styles.SetAtGrow(i, GetButtonStyle(i));
    CToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    // Only buttons whose state changed are painted again.
    for (int i = 0; i < nCount; ++i)
        if (GetButtonStyle(i) != m_Styles[i]) InvalidateButton(i);
}

void CToolBarEx::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    // Room for the gripper: the client area moves, keeping its size.
    RECT& rc = lpncsp->rgrc[0];
    if (IsHorizontal(m_dwStyle)) {
        rc.left += kGripperRoomHorz;
        rc.right += kGripperRoomHorz;
    } else {
        rc.top += kGripperRoomVert;
        rc.bottom += kGripperRoomVert;
    }
}

void CToolBarEx::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    ScreenToClient(&rcWindow);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);

    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    DrawBorders(&dc, rcWindow);
    dc.IntersectClipRect(&rcWindow);
    SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    DrawGripper(&dc);
}

void CToolBarEx::DrawBorders(CDC* pDC, CRect& rect) { CControlBar::DrawBorders(pDC, rect); }

void CToolBarEx::DrawGripper(CDC* pDC)
{
    if ((m_dwStyle & CBRS_FLOATING) || m_dwDockStyle == 0) return;
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    rect.DeflateRect(kGripperInset, kGripperInset);
    if (IsHorizontal(m_dwStyle)) {
        rect.right = rect.left + kGripperBar;
        pDC->Draw3dRect(&rect, m_clrBtnHilight, m_clrBtnShadow);
        rect.OffsetRect(kGripperBar, 0);
        pDC->Draw3dRect(&rect, m_clrBtnHilight, m_clrBtnShadow);
    } else {
        rect.bottom = rect.top + kGripperBar;
        pDC->Draw3dRect(&rect, m_clrBtnHilight, m_clrBtnShadow);
        rect.OffsetRect(0, kGripperBar);
        pDC->Draw3dRect(&rect, m_clrBtnHilight, m_clrBtnShadow);
    }
}
