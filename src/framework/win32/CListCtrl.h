// CListCtrl: the common controls' list view ("SysListView32"): columns, items and
// their texts and states, as the framework's thin wrapper over its messages.
#pragma once

#include "framework/win32/CWnd.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    // The header control, as a temporary object.
    CWnd* GetHeaderCtrl() const;

    // Items.
    int GetItemCount() const;
    void SetItemCount(int nItems);
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetNextItem(int nItem, int nFlags) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL Update(int nItem);
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int GetStringWidth(LPCTSTR lpsz) const;

    // Appearance.
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType);
    HIMAGELIST GetImageList(int nImageListType) const;
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
};
