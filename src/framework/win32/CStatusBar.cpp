#include "framework/win32/CStatusBar.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/win32/CCmdUI.h"
#include "framework/win32/CDC.h"
#include "framework/win32/CFrameWnd.h"
#include "framework/win32/ResourceStrings.h"
#include "framework/win32/TextMessages.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
END_MESSAGE_MAP()

namespace {

const int kPanePadding = 8;  // room around a pane's text, for its edges

// Command updates of a pane: disabling hides its text, checking pops it out.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* pStatusBar = static_cast<CStatusBar*>(m_pOther);
        int nIndex = static_cast<int>(m_nIndex);
        UINT nNewStyle = pStatusBar->GetPaneStyle(nIndex) & ~SBPS_DISABLED;
        if (!bOn) nNewStyle |= SBPS_DISABLED;
        pStatusBar->SetPaneStyle(nIndex, nNewStyle);
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar* pStatusBar = static_cast<CStatusBar*>(m_pOther);
        int nIndex = static_cast<int>(m_nIndex);
        UINT nNewStyle = pStatusBar->GetPaneStyle(nIndex) & ~SBPS_POPOUT;
        if (nCheck != 0) nNewStyle |= SBPS_POPOUT;
        pStatusBar->SetPaneStyle(nIndex, nNewStyle);
    }
    void SetText(LPCTSTR lpszText) override
    {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};

}  // namespace

CStatusBar::CStatusBar()
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    dwStyle &= ~CBRS_ALL;
    // The control draws its own edges; the frame places it.
    m_dwStyle &= ~CBRS_BORDER_ANY;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME)) dwStyle |= SBARS_SIZEGRIP;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(LPCTSTR lpszText) const
{
    CClientDC dc(const_cast<CStatusBar*>(this));
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOldFont =
        dc.SelectObject(hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    int cx = dc.GetTextExtent(lpszText, static_cast<int>(std::strlen(lpszText))).cx;
    dc.SelectObject(hOldFont);
    return cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.RemoveAll();
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
        if (pane.nID != ID_SEPARATOR) {
            if (!AfxLoadString(pane.nID, pane.strText)) bResult = FALSE;
            pane.cxText = TextWidth(pane.strText);
        } else {
            // The message pane takes what the others leave.
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0) pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
        m_panes.Add(pane);
    }
    UpdateAllPanes(TRUE, TRUE);
    // The indicators show their state at once, not only from the first idle time on.
    if (CFrameWnd* pFrame = GetDockingFrame()) OnUpdateCmdUI(pFrame, FALSE);
    return bResult;
}

int CStatusBar::GetCount() const { return m_panes.GetSize(); }

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_panes.GetSize(); ++i)
        if (m_panes[i].nID == nIDFind) return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const { return m_panes[nIndex].nID; }

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect))) ::SetRectEmpty(lpRect);
}

CString CStatusBar::GetPaneText(int nIndex) const { return m_panes[nIndex].strText; }
void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = m_panes[nIndex].strText; }

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= m_panes.GetSize()) return FALSE;
    CString strNew = lpszNewText != nullptr ? lpszNewText : "";
    if (m_panes[nIndex].strText == strNew) return TRUE;
    m_panes[nIndex].strText = strNew;
    if (bUpdate) ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex)
{
    if (m_hWnd == nullptr) return;
    const Pane& pane = m_panes[nIndex];
    UINT nType = pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW);
    LPCTSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCTSTR>(pane.strText);
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nType, reinterpret_cast<LPARAM>(lpszText));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = m_panes[nIndex].nID;
    nStyle = m_panes[nIndex].nStyle;
    cxWidth = m_panes[nIndex].cxText;
}

UINT CStatusBar::GetPaneStyle(int nIndex) const { return m_panes[nIndex].nStyle; }

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (m_panes[nIndex].nStyle == nStyle) return;
    m_panes[nIndex].nStyle = nStyle;
    ShowPaneText(nIndex);
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr || m_panes.IsEmpty()) return;
    if (bUpdateRects) {
        // Right edges of the parts: fixed panes fit their text, the stretchy one
        // takes the rest of the width (less the size grip).
        CRect rcClient;
        GetClientRect(&rcClient);
        int cxFixed = 0;
        int nStretch = -1;
        for (int i = 0; i < m_panes.GetSize(); ++i) {
            if ((m_panes[i].nStyle & SBPS_STRETCH) && nStretch == -1)
                nStretch = i;
            else
                cxFixed += m_panes[i].cxText + kPanePadding;
        }
        int cxGrip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        std::vector<int> rights;
        int x = 0;
        for (int i = 0; i < m_panes.GetSize(); ++i) {
            int cx =
                i == nStretch ? std::max(0, rcClient.Width() - cxFixed - cxGrip) : m_panes[i].cxText + kPanePadding;
            x += cx;
            rights.push_back(x);
        }
        rights.back() = -1;  // the last part reaches the right edge
        SendMessage(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    }
    if (bUpdateText)
        for (int i = 0; i < m_panes.GetSize(); ++i) ShowPaneText(i);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    // As high as the text of the control's font and its edges need.
    CClientDC dc(this);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOldFont =
        dc.SelectObject(hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(hOldFont);
    int borders[3] = {0, 0, 0};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    size.cy += tm.tmHeight - tm.tmInternalLeading + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) + 4;
    return size;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

// The window's text is the message pane's, in the form the message came in.
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0) return FALSE;
    return SetPaneText(nIndex, AfxSetTextArgument(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return AfxAnswerGetText(nIndex >= 0 ? m_panes[nIndex].strText : CString(), wParam, lParam);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return AfxAnswerGetTextLength(nIndex >= 0 ? m_panes[nIndex].strText : CString());
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.GetSize());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[static_cast<int>(state.m_nIndex)].nID;
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
        // Panes without a handler keep their state.
        state.DoUpdate(pTarget, FALSE);
    }
}
