// CToolBar: a control bar over the common controls' toolbar. LoadToolBar builds the
// buttons from a toolbar resource and their images from the bitmap resource of the
// same id (its greys, black and white shown in the system's button colours). At
// idle time each button is enabled, disabled or checked by the frame's command
// update handlers; with CBRS_TOOLTIPS a button's tool tip is the text after "\n"
// of the string resource with its command id.
#pragma once

#include <map>
#include <string>

#include "framework/win32/AfxRes.h"
#include "framework/win32/CControlBar.h"
#include "framework/win32/CToolBarCtrl.h"

// Button styles as GetButtonStyle reports them: the control's style in the low
// word, its state in the high word, with the enabled state turned into TBBS_DISABLED.
#define TBBS_BUTTON        MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR     MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX      MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP         MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP    (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN      MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE      MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX      MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED       MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED       MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED      MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN        MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED       MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES      MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED        MAKELONG(0, TBSTATE_MARKED)

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                          UINT nID = AFX_IDW_TOOLBAR);

    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // Takes over the bitmap of all button images, side by side.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id, images in order; ID_SEPARATOR makes a separator.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;
    CToolBarCtrl& GetToolBarCtrl() const;
    int GetCount() const override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CSize m_sizeImage;       // size of one button image
    CSize m_sizeButton;      // size of a button
    HBITMAP m_hbmImageWell;  // the images, owned by the toolbar
    HRSRC m_hRsrcImageWell;
    HINSTANCE m_hInstImageWell;
    // The texts given to SetButtonText, each with its number in order of arrival;
    // NULL until the first text. The toolbar shows texts once it holds one.
    std::map<std::string, int>* m_pStringMap;

protected:
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();

    DECLARE_MESSAGE_MAP()

private:
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;
    void SetButton(int nIndex, const TBBUTTON* pButton);
    // The tool tip text of a command: its string resource after "\n".
    CString ToolTipText(UINT nID) const;

    mutable CToolBarCtrl m_toolBarCtrl;  // the same window, for CToolBarCtrl's operations
    LPCTSTR m_lpszBitmapName;            // the bitmap resource, reloaded when system colours change
    CString m_strToolTip;
    std::wstring m_wstrToolTip;
};
