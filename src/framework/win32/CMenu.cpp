#include "framework/win32/CMenu.h"

#include "framework/win32/CWinApp.h"

CMenu::CMenu() : m_hMenu(nullptr), m_bOwned(FALSE) {}

CMenu::~CMenu()
{
    if (m_bOwned) DestroyMenu();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr) return FALSE;
    if (m_bOwned) DestroyMenu();
    m_hMenu = hMenu;
    m_bOwned = FALSE;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = FALSE;
    return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource))) && (m_bOwned = TRUE);
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()) && (m_bOwned = TRUE); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()) && (m_bOwned = TRUE); }

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr) return FALSE;
    BOOL bResult = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_bOwned = FALSE;
    return bResult;
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
HMENU CMenu::GetSubMenuHandle(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    int nResult = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength + 1), nLength + 1, nFlags);
    rString.ReleaseBuffer(nResult);
    return nResult;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
