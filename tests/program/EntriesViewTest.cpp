// The entries view in the program: its dialogs and rows, column widths, painted rows.
#include <cstdlib>
#include <memory>

#include "Canvas.h"
#include "ProgramFixture.h"
#include "app/resource.h"
#include "harness/ListViewReader.h"

namespace apptest {
namespace {

const UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

class EntriesView : public ProgramFixture {
protected:
    static std::vector<std::vector<std::string>> Rows() { return harness::ListViewRows(View()->m_hWnd); }
    static void Select(int nItem, UINT nState = kSelectedAndFocused)
    {
        View()->GetListCtrl().SetItemState(nItem, nState, kSelectedAndFocused);
    }
    static void DoubleClick(int nItem)
    {
        CRect rc;
        View()->GetListCtrl().GetItemRect(nItem, &rc, LVIR_BOUNDS);
        View()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rc.left + 150, rc.CenterPoint().y));
    }
    static bool DeleteEnabled()
    {
        CTestCmdUI state;
        View()->OnCmdMsg(ID_ENTRY_DELETE, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        return state.m_bEnabled;
    }
};

// Cancel adds nothing; OK with empty fields appends an empty row, selected.
TEST_F(EntriesView, AddWithEmptyFieldsAppendsTheSelectedLastRowAndCancelChangesNothing)
{
    for (int answer : {IDCANCEL, IDOK}) {
        Load(3);
        EXPECT_FALSE(DeleteEnabled());
        harness::ModalDriver driver;
        driver.ExpectDialog("Entry Properties").Click(answer);
        Command(ID_ENTRY_ADD);
        CEntryList expected = SampleEntries(3);
        if (answer == IDOK) expected.Add(CEntry());
        EXPECT_TRUE(SameEntries(Doc()->m_EntryList, expected));
        EXPECT_EQ(static_cast<int>(Rows().size()), expected.GetCount());
        EXPECT_EQ(Doc()->IsModified(), answer == IDOK);
        EXPECT_EQ(DeleteEnabled(), answer == IDOK);
    }
    EXPECT_EQ(Rows().back(), std::vector<std::string>(4, ""));
    EXPECT_EQ(View()->GetListCtrl().GetItemState(3, kSelectedAndFocused), kSelectedAndFocused);
}

// Cancel keeps the entry; OK shows the new texts in its row at once.
TEST_F(EntriesView, EditShowsTheNewTextsAtOnce)
{
    Load(3);
    Select(1);
    harness::ModalDriver driver;
    driver.ExpectDialog("Entry Properties").SetText(IDC_FOR, "changed").Click(IDCANCEL);
    DoubleClick(1);
    EXPECT_FALSE(Doc()->IsModified());
    driver.ExpectDialog("Entry Properties").SetText(IDC_FOR, "renamed").SetText(IDC_PASSWORD, "new pass").Click(IDOK);
    DoubleClick(1);
    EXPECT_EQ(Rows()[1], (std::vector<std::string>{"renamed", "user 1", "new pass", "note 1, with a comma"}));
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(driver.AllAnswered());
}

// The question names the entry; only Yes removes it, also the last one.
TEST_F(EntriesView, DeleteAsksAndRemovesTheSelectedEntryOnlyOnYes)
{
    const struct {
        int count;
        int answer;
        std::vector<int> left;
    } cases[] = {{3, IDNO, {0, 1, 2}}, {3, IDYES, {0, 2}}, {1, IDYES, {}}};
    for (const auto& c : cases) {
        Load(c.count);
        Select(c.count / 2);
        harness::ModalDriver driver;
        driver.ExpectMessageBox("Delete Entry?\n\nsite " + std::to_string(c.count / 2), MB_YESNO | MB_ICONQUESTION)
            .Click(c.answer);
        Command(ID_ENTRY_DELETE);
        ASSERT_TRUE(driver.AllAnswered());
        CEntryList left;
        for (int i : c.left) left.Add(SampleEntries(c.count).GetAt(i));
        EXPECT_TRUE(SameEntries(Doc()->m_EntryList, left)) << c.count << " entries, answer " << c.answer;
        EXPECT_EQ(static_cast<int>(Rows().size()), left.GetCount());
        EXPECT_EQ(Doc()->IsModified(), c.answer == IDYES);
        EXPECT_EQ(DeleteEnabled(), c.answer == IDNO);  // a rebuild leaves no row selected
    }
}

// Delete Entry needs a selected and focused row; keys and find requests select rows.
TEST_F(EntriesView, DeleteEntryIsEnabledExactlyForASelectedAndFocusedRow)
{
    Load(3);
    for (UINT state : {kSelectedAndFocused, UINT(LVIS_SELECTED), UINT(LVIS_FOCUSED), 0u}) {
        Select(1);
        Select(1, state);
        EXPECT_EQ(DeleteEnabled(), state == kSelectedAndFocused) << "state " << state;
    }
    // Keys move the selection as for a user: End, and the first letters of a For text.
    View()->SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(View()->m_nSelected, 2);
    CEntry bank = Doc()->m_EntryList.GetAt(1);
    bank.m_strFor = "Bank";
    Doc()->m_EntryList.SetAt(1, bank);
    View()->SendMessage(WM_CHAR, 'b', 0x00300001);
    EXPECT_EQ(View()->m_nSelected, 1);
    // Other programs' find requests: by text, and by item data or position, whose
    // psz is not set (rows hold no data, so those find nothing).
    const struct {
        UINT flags;
        LPCSTR psz;
        LRESULT nFound;
    } finds[] = {{LVFI_STRING, "BANK", 1}, {LVFI_PARTIAL, "site 2", 2}, {LVFI_PARAM, reinterpret_cast<LPCSTR>(8), -1}};
    for (const auto& f : finds) {
        LVFINDINFOA find = {f.flags, f.psz, 0, {0, 0}, 0};
        EXPECT_EQ(View()->SendMessage(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)),
                  f.nFound)
            << f.flags;
    }
    Doc()->UpdateAllViews(nullptr);  // rows rebuilt: the old selection goes with the old rows
    EXPECT_EQ(View()->GetListCtrl().GetNextItem(-1, LVNI_SELECTED), -1);
}

// A selection index the control no longer holds is refused, not deleted.
TEST_F(EntriesView, DeleteNeverActsOnAnIndexThatNamesNoEntry)
{
    Load(1);
    View()->m_nSelected = 2;  // as if the control had not reported a lost selection
    harness::ModalDriver driver;
    driver.ExpectMessageBox("No entry selected.", MB_OK | MB_ICONINFORMATION).Click(IDOK);
    EXPECT_FALSE(View()->DeleteSelectedEntry());
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 1);
    EXPECT_FALSE(DeleteEnabled());
}

// A row's text goes only into a buffer the list asked to have filled, and its
// image only where asked: the list may pass buffers it did not mean to offer.
TEST_F(EntriesView, RowsAnswerOnlyWhatTheListAsks)
{
    Load(1);
    for (UINT mask : {UINT(LVIF_TEXT), UINT(LVIF_IMAGE)}) {
        char text[16] = "untouched";
        NMLVDISPINFOA info = {};
        info.hdr = {View()->m_hWnd, 0, LVN_GETDISPINFOA};
        info.item.mask = mask;
        info.item.pszText = text;
        info.item.cchTextMax = sizeof text;
        info.item.iImage = -7;
        Frame()->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, mask == LVIF_TEXT ? Doc()->m_EntryList.GetAt(0).m_strFor.GetString() : "untouched");
        EXPECT_EQ(info.item.iImage, mask == LVIF_IMAGE ? 0 : -7);
    }
}

// Colours that the list never paints itself: the text and text background colours.
const COLORREF kText = RGB(0, 160, 0), kTextBack = RGB(200, 0, 200);
const COLORREF kUntouched = MemoryCanvas::kUntouched;

void DrawRow(MemoryCanvas& canvas, CMyListView* pView, int nItem, UINT nState, int cx)
{
    DRAWITEMSTRUCT dis = {
        ODT_LISTVIEW,   0, static_cast<UINT>(nItem), ODA_DRAWENTIRE, nState, pView->m_hWnd, canvas.DC()->m_hDC,
        {0, 0, cx, 17}, 0};
    pView->DrawItem(&dis);
}

class OwnerDrawnList : public EntriesView {
protected:
    void TearDown() override { Frame()->RecalcLayout(); }
    static std::unique_ptr<MemoryCanvas> ListCanvas(int cx, int cy)
    {
        auto canvas = std::make_unique<MemoryCanvas>(cx, cy);
        canvas->DC()->SelectObject(reinterpret_cast<HGDIOBJ>(View()->SendMessage(WM_GETFONT)));
        canvas->DC()->SetTextColor(kText);
        canvas->DC()->SetBkColor(kTextBack);
        return canvas;
    }

    static std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int i = 0; i < 4; ++i) widths.push_back(View()->GetListCtrl().GetColumnWidth(i));
        return widths;
    }
    static void SetClientWidth(int cx)
    {
        CRect rcWindow, rcClient;
        View()->GetWindowRect(&rcWindow);
        View()->GetClientRect(&rcClient);
        Frame()->ScreenToClient(&rcWindow);
        View()->MoveWindow(rcWindow.left, rcWindow.top, cx + rcWindow.Width() - rcClient.Width(), rcWindow.Height());
    }
};

// Notes takes the width the other columns leave.
TEST_F(OwnerDrawnList, NotesTakesTheWidthTheOtherColumnsLeave)
{
    Load(3);
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

// Rows are as high as the font plus six; a selected one is highlighted edge to edge.
TEST_F(OwnerDrawnList, SelectedRowIsHighlightedEdgeToEdgeWithHighlightedTexts)
{
    Load(3);
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HGDIOBJ>(View()->SendMessage(WM_GETFONT)), sizeof lf, &lf);
    CRect rcRow;
    ASSERT_TRUE(View()->GetListCtrl().GetItemRect(1, &rcRow, LVIR_BOUNDS));
    EXPECT_EQ(rcRow.Height(), std::abs(lf.lfHeight) + 6);
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

// A cell's text is drawn whole, or cut to fit with "...", or not at all.
TEST_F(OwnerDrawnList, CellTextIsCutWithAnEllipsisPastItsColumnLessEightPixels)
{
    Load(3);
    const int textWidth = View()->GetListCtrl().GetStringWidth("abcdefgh");
    const struct {
        const char* text;
        int width;
        const char* shown;
    } cases[] = {{"abcdefgh", textWidth + 8, "abcdefgh"},
                 {"abcdefgh", textWidth + 7, "abcdef..."},
                 {"abcdefgh", 8, "..."},
                 {"abcdefgh", 7, ""},
                 {"p&ss", 100, "p&ss"}};
    for (const auto& c : cases) {
        auto drawn = ListCanvas(200, 17), expected = ListCanvas(200, 17);
        View()->DrawCellText(drawn->DC(), c.text, CRect(10, 0, 200, 17), c.width, LVCFMT_LEFT);
        CRect rc(12, 0, 10 + c.width - 2, 17);
        expected->DC()->DrawText(c.shown, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        EXPECT_TRUE(drawn->Pixels() == expected->Pixels()) << c.text << " in " << c.width << ": \"" << c.shown << '"';
    }
}

}  // namespace
}  // namespace apptest
