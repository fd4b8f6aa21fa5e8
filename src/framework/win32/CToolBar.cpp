#include "framework/win32/CToolBar.h"

#include <algorithm>

#include "framework/win32/CCmdUI.h"
#include "framework/win32/CFrameWnd.h"
#include "framework/win32/CWinApp.h"
#include "framework/win32/ResourceStrings.h"
#include "framework/win32/ToolBarResource.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_MESSAGE(TB_SETBUTTONSIZE, &CToolBar::OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, &CToolBar::OnSetBitmapSize)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

// Command updates of a toolbar button: enabling and checking change the button's style.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CToolBar* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
        // A button disabled while pressed would otherwise stay pressed.
        if (!bOn) nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle);
    }
    void SetCheck(int nCheck) override
    {
        CToolBar* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNewStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNewStyle |= TBBS_INDETERMINATE;
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}
};

}  // namespace

CToolBar::CToolBar()
    : m_sizeImage(16, 15), m_sizeButton(23, 22), m_hbmImageWell(nullptr), m_hRsrcImageWell(nullptr),
      m_hInstImageWell(nullptr), m_pStringMap(nullptr), m_lpszBitmapName(nullptr)
{
    // The bar's ends keep the control bar's 6 pixels: room for a gripper of two
    // 3-pixel bars 4 pixels in, which a derived bar may draw there.
    m_cyTopBorder = m_cyBottomBorder = 2;
}

CToolBar::~CToolBar()
{
    m_toolBarCtrl.m_hWnd = nullptr;
    if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
    delete m_pStringMap;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(&rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    // The frame places the bar; the control neither moves nor sizes itself. It
    // always has a tool tip window, which CBRS_TOOLTIPS switches on and off.
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | TBSTYLE_TOOLTIPS | dwCtrlStyle;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    OnBarStyleChange(0, m_dwStyle);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (m_hWnd == nullptr) {
        m_sizeButton = sizeButton;
        m_sizeImage = sizeImage;
        return;
    }
    // The handlers of these messages record the sizes the control accepted.
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    Invalidate();
}

void CToolBar::SetHeight(int cyHeight)
{
    int nInside = cyHeight - m_cyTopBorder - m_cyBottomBorder;
    if (nInside > m_sizeButton.cy) m_cyBottomBorder += nInside - m_sizeButton.cy;
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult) m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult) m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    ToolBarResource resource;
    if (!LoadToolBarResource(AfxGetResourceHandle(), lpszResourceName, resource)) return FALSE;
    if (!SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size()))) return FALSE;
    SetSizes(CSize(resource.nWidth + 7, resource.nHeight + 7), CSize(resource.nWidth, resource.nHeight));
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    // Black, dark grey, light grey and white become the system's button colours.
    HINSTANCE hInst = AfxGetResourceHandle();
    HBITMAP hbm = ::CreateMappedBitmap(hInst, reinterpret_cast<INT_PTR>(lpszResourceName), 0, nullptr, 0);
    if (hbm == nullptr) return FALSE;
    m_lpszBitmapName = lpszResourceName;
    m_hInstImageWell = hInst;
    m_hRsrcImageWell = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(2));  // RT_BITMAP
    return SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    BITMAP bm = {};
    if (!::GetObjectA(hbmImageWell, sizeof(bm), &bm) || m_sizeImage.cx <= 0) return FALSE;
    int nImages = bm.bmWidth / m_sizeImage.cx;
    HBITMAP hbmOld = m_hbmImageWell;
    m_hbmImageWell = hbmImageWell;
    BOOL bResult;
    if (hbmOld != nullptr) {
        TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(hbmOld), nullptr,
                                   reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
        bResult = static_cast<BOOL>(SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)));
        ::DeleteObject(hbmOld);
    } else {
        TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
        bResult = SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&add)) != -1;
    }
    Invalidate();
    return bResult;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    for (int nCount = GetCount(); nCount > 0; --nCount) SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons;
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON button = {};
        button.fsState = TBSTATE_ENABLED;
        if (lpIDArray == nullptr || lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = (GetStyle() & TBSTYLE_FLAT) ? 6 : 8;  // the separator's width
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.idCommand = static_cast<int>(lpIDArray[i]);
            button.iBitmap = iImage++;
        }
        buttons.push_back(button);
    }
    if (buttons.empty()) return TRUE;
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
}

int CToolBar::GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    *pButton = TBBUTTON();
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pButton))) return FALSE;
    // The enabled state is reported the other way round, as TBBS_DISABLED.
    pButton->fsState ^= TBSTATE_ENABLED;
    return TRUE;
}

void CToolBar::SetButton(int nIndex, const TBBUTTON* pButton)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE | TBIF_COMMAND;
    info.idCommand = pButton->idCommand;
    info.fsStyle = pButton->fsStyle;
    info.fsState = pButton->fsState ^ TBSTATE_ENABLED;
    if (pButton->fsStyle & TBSTYLE_SEP) {
        info.dwMask |= TBIF_SIZE;
        info.cx = static_cast<WORD>(pButton->iBitmap);
    } else {
        info.dwMask |= TBIF_IMAGE;
        info.iImage = pButton->iBitmap;
    }
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        if (GetItemID(i) == nIDFind) return i;
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    BYTE fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    BYTE fsState = static_cast<BYTE>(HIWORD(nStyle));
    // Unchanged buttons are left alone, so that idle updates repaint nothing.
    if (button.fsStyle == fsStyle && button.fsState == fsState) return;
    button.fsStyle = fsStyle;
    button.fsState = fsState;
    SetButton(nIndex, &button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = static_cast<UINT>(button.idCommand);
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button = {};
    button.idCommand = static_cast<int>(nID);
    button.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    button.fsState = static_cast<BYTE>(HIWORD(nStyle));
    button.iBitmap = iImage;
    SetButton(nIndex, &button);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = const_cast<LPSTR>(lpszText);
    if (!SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info))) return FALSE;
    if (m_pStringMap == nullptr) m_pStringMap = new std::map<std::string, int>;
    m_pStringMap->emplace(lpszText, static_cast<int>(m_pStringMap->size()));
    return TRUE;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    UINT nID = GetItemID(nIndex);
    LRESULT nLength = SendMessage(TB_GETBUTTONTEXTA, nID, 0);
    if (nLength <= 0) return;
    LRESULT nRead =
        SendMessage(TB_GETBUTTONTEXTA, nID, reinterpret_cast<LPARAM>(rString.GetBuffer(static_cast<int>(nLength) + 1)));
    rString.ReleaseBuffer(nRead > 0 ? static_cast<int>(nRead) : 0);
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString strText;
    GetButtonText(nIndex, strText);
    return strText;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    m_toolBarCtrl.m_hWnd = m_hWnd;
    return m_toolBarCtrl;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    // The buttons' extent as the control lays them out.
    CSize sizeButtons(0, m_sizeButton.cy);
    if (m_hWnd != nullptr) {
        DWORD dwButtonSize = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
        sizeButtons.cy = HIWORD(dwButtonSize);
        int nCount = GetCount();
        for (int i = 0; i < nCount; ++i) {
            CRect rc;
            GetItemRect(i, &rc);
            sizeButtons.cx = std::max<LONG>(sizeButtons.cx, rc.right);
            sizeButtons.cy = std::max<LONG>(sizeButtons.cy, rc.bottom);
        }
    }
    if (bHorz) {
        size.cy += sizeButtons.cy;
        if (!bStretch) size.cx += sizeButtons.cx;
    } else {
        size.cx += m_sizeButton.cx;
        if (!bStretch) size.cy += sizeButtons.cx;
    }
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        TBBUTTON button;
        GetButton(static_cast<int>(state.m_nIndex), &button);
        if (button.fsStyle & TBSTYLE_SEP) continue;
        state.m_nID = static_cast<UINT>(button.idCommand);
        // The toolbar's own update handlers come before the frame's route.
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CToolBar::OnBarStyleChange(DWORD, DWORD dwNewStyle)
{
    if (m_hWnd == nullptr) return;
    HWND hToolTips = reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS));
    if (hToolTips != nullptr) ::SendMessageA(hToolTips, TTM_ACTIVATE, (dwNewStyle & CBRS_TOOLTIPS) != 0, 0);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA*) const
{
    int nIndex = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    if (nIndex < 0 || nIndex >= GetCount()) return -1;
    TBBUTTON button;
    GetButton(nIndex, &button);
    return (button.fsStyle & TBSTYLE_SEP) ? -1 : button.idCommand;
}

CString CToolBar::ToolTipText(UINT nID) const
{
    CString strFull;
    CString strTip;
    if (AfxLoadString(nID, strFull)) AfxExtractSubString(strTip, strFull, 1);
    return strTip;
}

BOOL CToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The tool tip asks the toolbar (its tools' window) for a button's text.
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->code == TTN_GETDISPINFOA || pNMHDR->code == TTN_GETDISPINFOW) {
        UINT nID = static_cast<UINT>(pNMHDR->idFrom);
        m_strToolTip = (m_dwStyle & CBRS_TOOLTIPS) ? ToolTipText(nID) : CString();
        if (pNMHDR->code == TTN_GETDISPINFOA) {
            NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
            pInfo->hinst = nullptr;
            pInfo->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_strToolTip));
        } else {
            NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
            int nChars = ::MultiByteToWideChar(CP_ACP, 0, m_strToolTip, -1, nullptr, 0);
            m_wstrToolTip.assign(static_cast<size_t>(nChars), L'\0');
            ::MultiByteToWideChar(CP_ACP, 0, m_strToolTip, -1, &m_wstrToolTip[0], nChars);
            pInfo->hinst = nullptr;
            pInfo->lpszText = &m_wstrToolTip[0];
        }
        *pResult = 0;
        return TRUE;
    }
    return CControlBar::OnNotify(wParam, lParam, pResult);
}

void CToolBar::OnSysColorChange()
{
    // The images are mapped to the system colours again.
    if (m_lpszBitmapName != nullptr) LoadBitmap(m_lpszBitmapName);
    Default();
}
