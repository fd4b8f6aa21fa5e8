// CToolBarEx: the main window's toolbar, painted flat. The common controls'
// toolbar keeps the layout, tool tips, button states and commands; this class
// paints the client area itself (flat buttons on the bar's face, a raised edge on
// the button under the pointer, sunken checked and pressed buttons, embossed
// disabled images, etched separators), paints a gripper in the non-client area of
// a docked bar, and sends its parent the custom-draw notifications a native
// toolbar sends while it paints.
#pragma once

#include "framework/win32/Afx.h"

class CToolBarEx : public CToolBar {
    DECLARE_DYNAMIC(CToolBarEx)
public:
    CToolBarEx();
    ~CToolBarEx() override;

    // The image list to paint with: the control's own, else one built from the
    // toolbar bitmap, which the caller destroys when m_bDeleteImgList says so.
    // NULL when there are no images at all.
    HIMAGELIST GetImageList();
    // Invalidates one button (no erase); an index out of range does nothing.
    void InvalidateButton(int nIndex);

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Embosses the image of a disabled button: its shape in shadow colour over a
    // copy in highlight colour one pixel lower and to the right.
    virtual void DrawDisabledButton(CDC* pDC, const CRect& rect);
    // Draws one separator as an etched line; TRUE for a horizontal bar.
    virtual BOOL DrawSeparator(CDC* pDC, CRect& rect);
    // Two raised bars along the leading edge of a docked bar, in window coordinates.
    virtual void DrawGripper(CDC* pDC);
    // The non-client borders; shrinks rect by them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);

    CSize m_sizeOffset;        // the image's offset in its button
    COLORREF m_clrBtnFace;     // bar and button background; images' transparent colour
    COLORREF m_clrBtnHilight;  // light edges
    COLORREF m_clrBtnShadow;   // dark edges
    COLORREF m_clrBtnLight;    // background of a down button that is not hot
    int m_nLastBtn;            // the hot button, -1 for none
    UINT m_uTimerID;           // the hot-tracking timer, as SetTimer returned it
    CUIntArray m_Styles;       // the buttons' styles before the latest command-UI update
    HWND m_hwndParent;         // where the custom-draw notifications go
    BOOL m_bDeleteImgList;     // GetImageList built the list it returned
    CFont m_GuiFont;           // the font of button texts

protected:
    // The image offset from the button and image sizes (texts: from the top border).
    void CalcImageOffset();
    BOOL HasButtonTexts() const;
    // Hot tracking follows the pointer only while the bar's top-level window is
    // active and enabled (no other application, no modal dialog in front).
    BOOL IsTrackingActive() const;
    void ReadSysColors();
    // Paints every button that meets rcUpdate (and every separator) into pDC, as
    // hot the one under ptPointer (client coordinates) while tracking is active.
    void DrawButtons(CDC* pDC, HIMAGELIST hImageList, const CRect& rcUpdate, CPoint ptPointer);
    void DrawButtonFace(CDC* pDC, const CRect& rect, BOOL bDown, BOOL bHot, BOOL bEnabled, COLORREF clrBack);

    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
