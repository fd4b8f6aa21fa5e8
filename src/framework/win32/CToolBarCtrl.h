// CToolBarCtrl: the common controls' toolbar ("ToolbarWindow32") as the framework's
// thin wrapper over its messages, addressed by command id or button index.
#pragma once

#include "framework/win32/CWnd.h"

class CToolBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl();

    int GetButtonCount() const;
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    int CommandToIndex(UINT nID) const;
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    int GetState(int nID) const;
    BOOL SetState(int nID, UINT nState);
    BOOL SetButtonSize(CSize size);
    BOOL SetBitmapSize(CSize size);
    HIMAGELIST GetImageList() const;
    HIMAGELIST SetImageList(HIMAGELIST hImageList);
    // The control's tool tip window, as a temporary object (NULL without one).
    CWnd* GetToolTips() const;
    int HitTest(LPPOINT ppt) const;
};
