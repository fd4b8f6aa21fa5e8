#include "views/MyListView.h"

#include <cstdlib>

#include "app/resource.h"
#include "framework/win32/CImageList.h"
#include "framework/win32/GdiObjects.h"
#include "views/ColumnTable.h"

namespace {

const COLORREF kListImageMask = RGB(0, 128, 128);
const int kListImageWidth = 16;
// A cell's text stands 2 pixels in from either side of its column, and is drawn
// whole only when it is at least 8 pixels narrower than the column.
const int kCellTextInset = 2;
const int kCellTextMargin = 8;
const int kRowHeightMargin = 6;
const char kEllipsis[] = "...";

}  // namespace

IMPLEMENT_DYNCREATE(CMyListView, CListView)

BEGIN_MESSAGE_MAP(CMyListView, CListView)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CMyListView::CMyListView() : m_nFixedWidth(0), m_nTotalWidth(0), m_pImageList(nullptr) {}

CMyListView::~CMyListView() { delete m_pImageList; }

BOOL CMyListView::PreCreateWindow(CREATESTRUCT& cs)
{
    // The view keeps its image list and deletes it itself; without
    // LVS_SHAREIMAGELISTS the control would destroy it too (twice, since the same
    // list is its normal and its small one).
    cs.style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS;
    return CListView::PreCreateWindow(cs);
}

void CMyListView::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    if (m_pImageList == nullptr) {
        m_pImageList = new CImageList;
        m_pImageList->Create(IDB_LISTIMAGES, kListImageWidth, 1, kListImageMask);
        CListCtrl& list = GetListCtrl();
        list.SetImageList(m_pImageList->GetSafeHandle(), LVSIL_NORMAL);
        list.SetImageList(m_pImageList->GetSafeHandle(), LVSIL_SMALL);
    }
    InsertColumns();
}

void CMyListView::OnDraw(CDC*) {}

HWND CMyListView::FindHeader()
{
    HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hHeader == nullptr) AfxMessageBox("Error", MB_OK);
    return hHeader;
}

void CMyListView::InsertColumns()
{
    CListCtrl& list = GetListCtrl();
    while (list.DeleteColumn(0)) {}
    HWND hHeader = FindHeader();
    if (hHeader == nullptr) return;
    RECT rcHeader;
    ::GetClientRect(hHeader, &rcHeader);

    int nSum = 0;
    for (int i = 0; i < kColumnCount; ++i) {
        int nWidth = kColumnWidths[i];
        if (i < kLastColumn) {
            nSum += nWidth;
        } else if (rcHeader.right - nSum > 0) {
            nWidth = rcHeader.right - nSum;
        }
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumnFormats[i];
        column.cx = nWidth;
        column.pszText = const_cast<LPSTR>(kColumnTitles[i]);
        column.iSubItem = i;
        list.InsertColumn(i, &column);
    }
}

void CMyListView::MeasureColumns()
{
    HWND hHeader = FindHeader();
    if (hHeader == nullptr) return;
    int nTotal = 0;
    int nLast = 0;
    for (int i = 0; i < kColumnCount; ++i) {
        HDITEMA item = {};
        item.mask = HDI_WIDTH;
        int nWidth = 0;
        if (::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            nWidth = item.cxy;
        if (nWidth == 0) nWidth = kColumnWidths[i];
        nTotal += nWidth;
        nLast = nWidth;
    }
    m_nTotalWidth = nTotal;
    m_nFixedWidth = nTotal - nLast;
}

void CMyListView::StretchLastColumn()
{
    HWND hHeader = FindHeader();
    if (hHeader == nullptr) return;
    RECT rcHeader;
    ::GetClientRect(hHeader, &rcHeader);
    int nWidth = rcHeader.right - m_nFixedWidth;
    if (nWidth <= 0) nWidth = kColumnWidths[kLastColumn];

    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = kColumnFormats[kLastColumn];
    column.cx = nWidth;
    column.pszText = const_cast<LPSTR>(kColumnTitles[kLastColumn]);
    column.iSubItem = kLastColumn;
    GetListCtrl().SetColumn(kLastColumn, &column);
}

void CMyListView::OnSize(UINT, int cx, int)
{
    Default();
    if (FindHeader() == nullptr) return;
    MeasureColumns();
    if (m_nFixedWidth > 0 && m_nTotalWidth > 0 && cx >= m_nTotalWidth) StretchLastColumn();
}

void CMyListView::AutoSizeColumns()
{
    MeasureColumns();
    if (m_nFixedWidth > 0 && m_nTotalWidth > 0) StretchLastColumn();
}

void CMyListView::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (hFont == nullptr) hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf = {};
    // A font without a height keeps the height the control proposed.
    if (::GetObjectA(hFont, sizeof lf, &lf) == sizeof lf && lf.lfHeight != 0)
        lpMeasureItemStruct->itemHeight = static_cast<UINT>(std::abs(lf.lfHeight) + kRowHeightMargin);
}

void CMyListView::SetRowText(const CStringRow& row) { m_RowText = row; }

void CMyListView::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_RowText.GetCount() == 0) return;

    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    const CRect rc(lpDrawItemStruct->rcItem);
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;

    CBrush brush(::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc.FillRect(&rc, brush);
    if (lpDrawItemStruct->itemState & ODS_FOCUS) dc.DrawFocusRect(&rc);

    if (lpDrawItemStruct->itemID != static_cast<UINT>(-1)) {
        const COLORREF clrOldText = bSelected ? dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT)) : 0;
        // The texts lie on the row fill, not on boxes of the context's background colour.
        const int nOldBkMode = dc.SetBkMode(TRANSPARENT);

        CListCtrl& list = GetListCtrl();
        int x = rc.left;
        for (int i = 0; i < kColumnCount && i < m_RowText.GetCount(); ++i) {
            LVCOLUMNA column = {};
            column.mask = LVCF_FMT | LVCF_WIDTH;
            if (!list.GetColumn(i, &column)) break;
            DrawCellText(&dc, m_RowText.GetAt(i), CRect(x, rc.top, rc.right, rc.bottom), column.cx,
                         column.fmt & LVCFMT_JUSTIFYMASK);
            x += column.cx;
        }

        dc.SetBkMode(nOldBkMode);
        if (bSelected) dc.SetTextColor(clrOldText);
    }
    dc.Detach();
}

int CMyListView::TextWidth(const CString& str) const { return GetListCtrl().GetStringWidth(str); }

void CMyListView::DrawCellText(CDC* pDC, CString strText, CRect rcCell, int nWidth, int nFormat)
{
    const int nLimit = nWidth - kCellTextMargin;
    // Too narrow for any text, even an empty one: the cell stays blank.
    if (nLimit < 0) return;

    if (TextWidth(strText) > nLimit) {
        // The longest beginning of the text that fits. Widths grow with the length,
        // so a binary search finds it with a few measurements, even in long notes.
        int nFits = 0;
        int nTooLong = strText.GetLength();
        while (nTooLong - nFits > 1) {
            const int nMiddle = nFits + (nTooLong - nFits) / 2;
            if (TextWidth(strText.Left(nMiddle)) <= nLimit)
                nFits = nMiddle;
            else
                nTooLong = nMiddle;
        }
        // One character more goes to make room for the ellipsis.
        if (nFits > 0) --nFits;
        strText = strText.Left(nFits) + kEllipsis;
    }

    CRect rcText(rcCell.left + kCellTextInset, rcCell.top, rcCell.left + nWidth - kCellTextInset, rcCell.bottom);
    // Texts are shown as they are: an ampersand, in a password say, is no mnemonic.
    UINT nFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (nFormat == LVCFMT_LEFT)
        nFlags |= DT_LEFT;
    else if (nFormat == LVCFMT_CENTER)
        nFlags |= DT_CENTER;
    else
        nFlags |= DT_RIGHT;
    pDC->DrawText(strText, strText.GetLength(), &rcText, nFlags);
}
