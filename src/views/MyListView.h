// CMyListView: a report list that paints its rows itself. A selected row is filled
// with the highlight colour from edge to edge, each cell's text is cut to its
// column and ended with "..." when it does not fit, and rows are as high as the
// list's font plus a margin. It owns the four columns (For, Username, Password,
// Notes) and keeps Notes reaching to the right edge when the view grows. It knows
// nothing of the database: a derived view hands it a row's texts (SetRowText)
// just before the row is painted.
#pragma once

#include "framework/win32/Afx.h"
#include "views/StringRow.h"

class CImageList;

class CMyListView : public CListView {
    DECLARE_DYNCREATE(CMyListView)
public:
    CMyListView();
    ~CMyListView() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Installs the image list on the first call; every call rebuilds the columns
    // with their default widths.
    void OnInitialUpdate() override;

    // Deletes all columns and inserts the four of the column table; Notes gets the
    // header's width beyond the first three, or its default when none is left.
    void InsertColumns();
    // Reads the column widths from the header into m_nFixedWidth and m_nTotalWidth.
    void MeasureColumns();
    // Gives Notes the header's width beyond the first three columns (at least 1
    // pixel, else its default width).
    void StretchLastColumn();
    // The AutoSize Headers command: Notes reaches to the right edge, whatever the
    // width of the window.
    void AutoSizeColumns();
    // WM_SIZE, routed here by the derived view: Notes grows with a window that has
    // become at least as wide as all the columns; it never shrinks.
    void OnSize(UINT nType, int cx, int cy);

    // Row height: the list font's height plus 6 pixels.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // The texts that the next DrawItem paints.
    void SetRowText(const CStringRow& row);
    // Paints one row from m_RowText; paints nothing while m_RowText is empty.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Draws one cell's text in a rectangle nWidth pixels wide from rcCell's left,
    // shortened with "..." when it is wider than nWidth - 8 pixels in the list's
    // font. nFormat is the column's alignment (LVCFMT_LEFT, _RIGHT or _CENTER).
    void DrawCellText(CDC* pDC, CString strText, CRect rcCell, int nWidth, int nFormat);

    int m_nFixedWidth;         // For, Username and Password together, as last measured
    int m_nTotalWidth;         // all four columns, as last measured
    CStringRow m_RowText;      // the row about to be painted
    CImageList* m_pImageList;  // owned; NULL until the first initial update

protected:
    void OnDraw(CDC* pDC) override;

    DECLARE_MESSAGE_MAP()

private:
    // The list's header control; shows "Error" and returns NULL when it has none.
    HWND FindHeader();
    int TextWidth(const CString& str) const;
};
