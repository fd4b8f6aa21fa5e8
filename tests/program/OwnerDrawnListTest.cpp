// The program's owner-drawn list: column widths as the view's size changes, row
// height from the list's font, and rows painted into a memory bitmap, checked by
// the pixels a user would see.
#include "ProgramFixture.h"

#include <cstdlib>
#include <memory>

#include "Canvas.h"
#include "app/resource.h"
#include "views/VaultryView.h"

namespace apptest {
namespace {

CVaultryView* View() { return static_cast<CVaultryView*>(static_cast<CFrameWnd*>(AfxGetMainWnd())->GetActiveView()); }

// A canvas with the list's font, and colours that the list never paints itself:
// the text colour and the text background colour.
const COLORREF kText = RGB(0, 160, 0), kTextBack = RGB(200, 0, 200);
const COLORREF kUntouched = MemoryCanvas::kUntouched;

std::unique_ptr<MemoryCanvas> ListCanvas(int cx, int cy)
{
    auto canvas = std::make_unique<MemoryCanvas>(cx, cy);
    canvas->DC()->SelectObject(reinterpret_cast<HGDIOBJ>(View()->SendMessage(WM_GETFONT)));
    canvas->DC()->SetTextColor(kText);
    canvas->DC()->SetBkColor(kTextBack);
    return canvas;
}

void DrawRow(MemoryCanvas& canvas, CMyListView* pView, int nItem, UINT nState, int cx)
{
    DRAWITEMSTRUCT dis = {
        ODT_LISTVIEW,   0, static_cast<UINT>(nItem), ODA_DRAWENTIRE, nState, pView->m_hWnd, canvas.DC()->m_hDC,
        {0, 0, cx, 17}, 0};
    pView->DrawItem(&dis);
}

class OwnerDrawnList : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        Doc()->m_EntryList = SampleEntries(3);
        Doc()->UpdateAllViews(nullptr);
    }
    void TearDown() override { Frame()->RecalcLayout(); }

    static std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int i = 0; i < 4; ++i) widths.push_back(View()->GetListCtrl().GetColumnWidth(i));
        return widths;
    }
    // Gives the view, and so its header, this client width.
    static void SetClientWidth(int cx)
    {
        CRect rcWindow, rcClient;
        View()->GetWindowRect(&rcWindow);
        View()->GetClientRect(&rcClient);
        Frame()->ScreenToClient(&rcWindow);
        View()->MoveWindow(rcWindow.left, rcWindow.top, cx + rcWindow.Width() - rcClient.Width(), rcWindow.Height());
    }
};

TEST_F(OwnerDrawnList, NotesTakesTheWidthTheOtherColumnsLeave)
{
    // At an initial update: the header's width beyond 400 pixels, else 100.
    for (const auto& c : {std::pair<int, int>{1000, 600}, {401, 1}, {400, 100}}) {
        SetClientWidth(c.first);
        View()->OnInitialUpdate();
        EXPECT_EQ(Widths(), (std::vector<int>{100, 150, 150, c.second})) << "initial update at " << c.first;
    }
    // Later, a view that grows past all columns widens Notes, one that shrinks
    // keeps it; AutoSize Headers fits it to the edge, or gives it 100.
    View()->GetListCtrl().SetColumnWidth(0, 200);
    View()->GetListCtrl().SetColumnWidth(3, 600);
    const struct {
        int cx;
        bool bAutoSize;
        int notes;
    } steps[] = {{1000, false, 600}, {1100, false, 600}, {1200, false, 700},
                 {1000, false, 700}, {1000, true, 500},  {400, true, 100}};
    for (const auto& step : steps) {
        SetClientWidth(step.cx);
        if (step.bAutoSize) Command(ID_OPTIONS_AUTOSIZE);
        EXPECT_EQ(Widths(), (std::vector<int>{200, 150, 150, step.notes})) << step.cx << " " << step.bAutoSize;
    }
}

TEST_F(OwnerDrawnList, RowsAreAsHighAsTheFontPlusSix)
{
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HGDIOBJ>(View()->SendMessage(WM_GETFONT)), sizeof lf, &lf);
    ASSERT_NE(lf.lfHeight, 0);
    CRect rc;
    ASSERT_TRUE(View()->GetListCtrl().GetItemRect(1, &rc, LVIR_BOUNDS));
    EXPECT_EQ(rc.Height(), std::abs(lf.lfHeight) + 6);
}

TEST_F(OwnerDrawnList, SelectedRowIsHighlightedEdgeToEdgeWithHighlightedTexts)
{
    const std::vector<int> widths = Widths();
    const int cx = widths[0] + widths[1] + widths[2] + widths[3] + 20;
    auto selected = ListCanvas(cx, 17), plain = ListCanvas(cx, 17);
    DrawRow(*selected, View(), 1, ODS_SELECTED, cx);
    DrawRow(*plain, View(), 1, 0, cx);
    for (int y = 0; y < 17; ++y) {
        EXPECT_EQ(selected->Pixel(0, y), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(selected->Pixel(cx - 1, y), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(plain->Pixel(cx - 1, y), GetSysColor(COLOR_WINDOW));
    }
    // Texts in the highlight-text colour on the selected row, in the context's own
    // colour on the other; no box of the context's background colour behind them.
    EXPECT_GT(selected->Count(GetSysColor(COLOR_HIGHLIGHTTEXT)), 20);
    EXPECT_EQ(selected->Count(kText), 0);
    EXPECT_GT(plain->Count(kText), 20);
    for (const auto* canvas : {selected.get(), plain.get()})
        EXPECT_EQ(canvas->Count(kUntouched) + canvas->Count(kTextBack), 0);
    EXPECT_EQ(selected->DC()->GetTextColor(), kText);
}

TEST_F(OwnerDrawnList, CellTextIsCutWithAnEllipsisPastItsColumnLessEightPixels)
{
    const int textWidth = View()->GetListCtrl().GetStringWidth("abcdefgh");
    const struct {
        const char* text;
        int width;
        const char* shown;
    } cases[] = {{"abcdefgh", textWidth + 8, "abcdefgh"},
                 {"abcdefgh", textWidth + 7, "abcdef..."},
                 {"abcdefgh", 8, "..."},
                 {"abcdefgh", 7, ""},
                 {"abcdefgh", 0, ""},
                 {"p&ss", 100, "p&ss"}};
    for (const auto& c : cases) {
        auto drawn = ListCanvas(200, 17), expected = ListCanvas(200, 17);
        View()->DrawCellText(drawn->DC(), c.text, CRect(10, 0, 200, 17), c.width, LVCFMT_LEFT);
        CRect rc(12, 0, 10 + c.width - 2, 17);
        expected->DC()->DrawText(c.shown, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        EXPECT_TRUE(drawn->Pixels() == expected->Pixels()) << c.text << " in " << c.width << ": \"" << c.shown << '"';
    }
}

TEST_F(OwnerDrawnList, RowsWithoutTextsPaintNothing)
{
    CMyListView* pBare = new CMyListView;
    ASSERT_TRUE(pBare->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 300, 100), Frame(), 0x7F00));
    const struct {
        CMyListView* view;
        int item;
    } cases[] = {{pBare, 0}, {View(), 3}, {View(), -1}};
    for (const auto& c : cases) {
        auto canvas = ListCanvas(300, 17);
        DrawRow(*canvas, c.view, c.item, ODS_SELECTED | ODS_FOCUS, 300);
        EXPECT_EQ(canvas->Count(kUntouched), 300 * 17) << "item " << c.item;
    }
    pBare->DestroyWindow();
}

}  // namespace
}  // namespace apptest
