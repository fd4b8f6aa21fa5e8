// A list view as the frame's view, over the real "SysListView32" control: the view
// is the control's own object from its creation on, so the owner-draw messages and
// the notifications that the control sends to the frame come back to the view's
// message map; the list-control operations work on it.
#include "DocViewFixture.h"

namespace {

class CTestListView : public CListView {
    DECLARE_DYNCREATE(CTestListView)
public:
    int m_nMeasures = 0;
    int m_nDraws = 0;
    int m_nDoubleClicks = 0;
    int m_nLastDoubleClickItem = -2;
    std::vector<std::pair<int, UINT>> m_changes;   // item, new state

    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED;
        return CListView::PreCreateWindow(cs);
    }
    void OnInitialUpdate() override
    {
        CListView::OnInitialUpdate();
        CListCtrl& list = GetListCtrl();
        list.DeleteAllItems();
        while (list.DeleteColumn(0)) {
        }
        list.InsertColumn(0, "For", LVCFMT_LEFT, 100, 0);
        list.InsertColumn(1, "Notes", LVCFMT_LEFT, 100, 1);
        for (int i = 0; i < 3; ++i) {
            list.InsertItem(i, i == 0 ? "first" : "row", 0);
            list.SetItemText(i, 1, "note");
        }
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_nDraws;
        FillRect(lpDIS->hDC, &lpDIS->rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasures;
        lpMIS->itemHeight = 30;
    }

protected:
    afx_msg void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nDoubleClicks;
        m_nLastDoubleClickItem = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
        *pResult = 0;
    }
    afx_msg void OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLISTVIEW* pNMLV = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
        m_changes.push_back({pNMLV->iItem, pNMLV->uNewState});
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestListView, CListView)

BEGIN_MESSAGE_MAP(CTestListView, CListView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CTestListView::OnDblclk)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CTestListView::OnItemchanged)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

class ListViewTest : public DocViewTest {
protected:
    ListViewTest() : DocViewTest(RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestListView)) {}
    void SetUp() override
    {
        DocViewTest::SetUp();
        m_app.OnFileNew();
    }
    CTestListView* ListView() const { return static_cast<CTestListView*>(Frame()->GetActiveView()); }
};

}  // namespace

TEST_F(ListViewTest, TheViewIsTheListControlAndItsOperationsWork)
{
    CTestListView* pView = ListView();
    char cls[64] = "";
    GetClassNameA(pView->m_hWnd, cls, sizeof(cls));
    EXPECT_STREQ(cls, "SysListView32");
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(pView->GetStyle() & 0x040D, 0x040Du);

    CListCtrl& list = pView->GetListCtrl();
    EXPECT_EQ(list.m_hWnd, pView->m_hWnd);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), "first");
    EXPECT_EQ(list.GetItemText(2, 1), "note");
    EXPECT_EQ(list.GetColumnWidth(1), 100);
    EXPECT_TRUE(list.SetColumnWidth(1, 150));
    EXPECT_EQ(list.GetColumnWidth(1), 150);
    // The header is the control's child with id 0.
    CWnd* pHeader = pView->GetDlgItem(0);
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader, list.GetHeaderCtrl());
    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(list.GetItemCount(), 2);
}

TEST_F(ListViewTest, OwnerDrawMessagesComeBackToTheView)
{
    CTestListView* pView = ListView();
    // The control asks for its row height when it is made, through the frame.
    EXPECT_GE(pView->m_nMeasures, 1);
    CRect rcItem;
    ASSERT_TRUE(pView->GetListCtrl().GetItemRect(0, &rcItem, LVIR_BOUNDS));
    EXPECT_EQ(rcItem.Height(), 30);

    pView->Invalidate();
    pView->UpdateWindow();
    EXPECT_GE(pView->m_nDraws, 3);   // one per row
}

TEST_F(ListViewTest, NotificationsToTheFrameComeBackToTheView)
{
    CTestListView* pView = ListView();
    CListCtrl& list = pView->GetListCtrl();
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_FALSE(pView->m_changes.empty());
    EXPECT_EQ(pView->m_changes.back().first, 1);
    EXPECT_EQ(pView->m_changes.back().second & (LVIS_SELECTED | LVIS_FOCUSED),
              static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);

    CRect rcItem;
    list.GetItemRect(2, &rcItem, LVIR_BOUNDS);
    LPARAM lPoint = MAKELPARAM(rcItem.left + 5, rcItem.CenterPoint().y);
    pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    pView->SendMessage(WM_LBUTTONUP, 0, lPoint);
    pView->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    pView->SendMessage(WM_LBUTTONUP, 0, lPoint);
    EXPECT_EQ(pView->m_nDoubleClicks, 1);
    EXPECT_EQ(pView->m_nLastDoubleClickItem, 2);
}

TEST_F(ListViewTest, TheMessageLoopTranslatesAcceleratorsUntilQuit)
{
    PostMessageA(ListView()->m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001);
    PostQuitMessage(3);
    EXPECT_EQ(m_app.Run(), 3);
    EXPECT_EQ(g_handled, (std::vector<std::string>{"frame:frame"}));
}
