// CWnd's message processing: the map lookup, the unpacking of each handler
// signature, command and notification routing, reflection to child objects, and
// the default handlers that pass a message on to the window's default processing.
#include "framework/win32/CWnd.h"

#include "framework/win32/CCmdUI.h"
#include "framework/win32/CDC.h"
#include "framework/win32/CMenu.h"
#include "framework/win32/WindowProcedure.h"

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (m_attachment) {
    case attachOwnClass:
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    case attachSubclass:
        return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
    default:
        return m_hWnd != nullptr ? ::DefWindowProcA(m_hWnd, message, wParam, lParam) : 0;
    }
}

LRESULT CWnd::Default()
{
    const MSG& msg = CWndProcedure::CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult)) return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* pDIS = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (pDIS->CtlType != ODT_MENU) {
            CWnd* pChild = FromHandlePermanent(pDIS->hwndItem);
            if (pChild != nullptr && pChild != this && pChild->OnChildNotify(message, wParam, lParam, &lResult)) {
                *pResult = TRUE;
                return TRUE;
            }
        }
        break;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* pMIS = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (pMIS->CtlType != ODT_MENU) {
            CWnd* pChild = FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(pMIS->CtlID)));
            if (pChild != nullptr && pChild != this && pChild->OnChildNotify(message, wParam, lParam, &lResult)) {
                *pResult = TRUE;
                return TRUE;
            }
        }
        break;
    }
    default:
        break;
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0);
    if (pEntry == nullptr) return FALSE;
    return CallHandler(pEntry, wParam, lParam, pResult);
}

BOOL CWnd::CallHandler(const AFX_MSGMAP_ENTRY* pEntry, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_PMSG pfn = pEntry->pfn;
    LRESULT lResult = 0;
    switch (pEntry->nSig) {
    case AfxSig_is:
        lResult = (this->*AfxCastHandler<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_vv:
        (this->*AfxCastHandler<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_vwii:
        (this->*AfxCastHandler<void (CWnd::*)(UINT, int, int)>(pfn))(
            static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_vt:
        (this->*AfxCastHandler<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_vwww:
        (this->*AfxCastHandler<void (CWnd::*)(UINT, UINT, UINT)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                       HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*AfxCastHandler<void (CWnd::*)(UINT, CPoint)>(pfn))(static_cast<UINT>(wParam), CPoint(lParam));
        break;
    case AfxSig_bD: {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        lResult = (this->*AfxCastHandler<BOOL (CWnd::*)(CDC*)>(pfn))(&dc);
        dc.Detach();
        break;
    }
    case AfxSig_vbNcCalc:
        (this->*AfxCastHandler<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))(
            static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case AfxSig_vDrop:
        (this->*AfxCastHandler<void (CWnd::*)(HDROP)>(pfn))(reinterpret_cast<HDROP>(wParam));
        break;
    case AfxSig_vDrawItem:
        (this->*AfxCastHandler<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pfn))(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMeasureItem:
        (this->*AfxCastHandler<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(pfn))(
            reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_lwl:
        lResult = (this->*AfxCastHandler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    case AfxSig_vMenuPopup: {
        CMenu menu;
        menu.Attach(reinterpret_cast<HMENU>(wParam));
        (this->*AfxCastHandler<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(&menu, LOWORD(lParam), HIWORD(lParam));
        menu.Detach();
        break;
    }
    case AfxSig_vMenuSelect:
        (this->*AfxCastHandler<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                                        reinterpret_cast<HMENU>(lParam));
        break;
    case AfxSig_vW:
        (this->*AfxCastHandler<void (CWnd::*)(CWnd*)>(pfn))(FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vPos:
        (this->*AfxCastHandler<void (CWnd::*)(WINDOWPOS*)>(pfn))(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);

    if (hWndCtrl == nullptr) {
        // A menu item or an accelerator: refuse it when its update handler has
        // disabled it since the menu was drawn or the key was bound.
        if (nID == 0) return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled) return TRUE;
        nCode = CN_COMMAND;
    } else {
        // A control's notification goes to the control's own object first.
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != nullptr && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0) return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    if (pChild != nullptr && pChild != this &&
        pChild->OnChildNotify(WM_NOTIFY, static_cast<WPARAM>(pNMHDR->idFrom), lParam, pResult))
        return TRUE;

    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify,
                    nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (!CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)), nullptr, nullptr))
            return FALSE;
        if (pResult != nullptr) *pResult = 1;
        return TRUE;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lDummy = 0;
        AFX_NOTIFY notify = {pResult != nullptr ? pResult : &lDummy, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)), &notify,
                                    nullptr);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_REFLECT_BASE + message, 0, 0);
        LRESULT lResult = 0;
        if (pEntry == nullptr || !CallHandler(pEntry, wParam, lParam, &lResult)) return FALSE;
        if (pResult != nullptr) *pResult = lResult;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// Default handlers: the window's own processing of the message being handled.

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
