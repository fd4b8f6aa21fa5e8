#include "views/VaultryView.h"

#include "database/VaultryDoc.h"

IMPLEMENT_DYNCREATE(CVaultryView, CListView)

BEGIN_MESSAGE_MAP(CVaultryView, CListView)
END_MESSAGE_MAP()

CVaultryView::CVaultryView() = default;

CVaultryView::~CVaultryView() = default;

CVaultryDoc* CVaultryView::GetDocument() const { return static_cast<CVaultryDoc*>(m_pDocument); }

BOOL CVaultryView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    return CListView::PreCreateWindow(cs);
}
