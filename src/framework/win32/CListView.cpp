#include "framework/win32/CListView.h"

IMPLEMENT_DYNCREATE(CListView, CView)

BEGIN_MESSAGE_MAP(CListView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CListView::CListView() = default;

CListView::~CListView()
{
    // The wrapper only borrows the view's window.
    m_listCtrl.m_hWnd = nullptr;
}

BOOL CListView::PreCreateWindow(CREATESTRUCT& cs)
{
    ::InitCommonControls();
    cs.lpszClass = WC_LISTVIEWA;
    return CView::PreCreateWindow(cs);
}

CListCtrl& CListView::GetListCtrl() const
{
    m_listCtrl.m_hWnd = m_hWnd;
    return m_listCtrl;
}

void CListView::DrawItem(LPDRAWITEMSTRUCT) {}

void CListView::OnDraw(CDC*) {}

void CListView::OnPaint()
{
    // The control paints itself.
    Default();
}
