// CCmdUI: the state of one user-interface item (menu item, toolbar button, status
// pane, or other control) that update-command-UI handlers set. DoUpdate asks the
// command route for an update handler; without one, the item is enabled exactly
// when some object along the route handles the command (if asked to do so).
#pragma once

#include "framework/win32/WinHeaders.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    UINT m_nID;
    UINT m_nIndex;      // index of the item in its menu or bar
    CMenu* m_pMenu;     // the popup menu, for menu items
    CMenu* m_pSubMenu;  // the item's own popup, if it has one
    CWnd* m_pOther;     // the bar or control, for items that are not menu items
    UINT m_nIndexMax;
    BOOL m_bEnableChanged;  // some handler called Enable
    BOOL m_bContinueRouting;

    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetText(LPCTSTR lpszText);
    // Lets the next object along the route update the item too.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update through pTarget's route; TRUE when an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// A CCmdUI that only records whether the command is enabled: used to refuse menu
// and accelerator commands whose update handler disabled them.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int) override {}
    void SetText(LPCTSTR) override {}
};
