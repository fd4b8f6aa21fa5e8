// The entries view in the running program: adding, editing by double-click and
// deleting entries through the entry dialog and the delete question (answered by
// the modal driver), and what the rows and Delete Entry show afterwards.
#include "ProgramFixture.h"

#include "app/resource.h"
#include "harness/ListViewReader.h"
#include "views/VaultryView.h"

namespace apptest {
namespace {

const UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

class EntriesView : public ProgramFixture {
protected:
    static CVaultryView* View() { return static_cast<CVaultryView*>(Frame()->GetActiveView()); }
    static std::vector<std::vector<std::string>> Rows() { return harness::ListViewRows(View()->m_hWnd); }
    static void Load(int n)
    {
        StartNew();
        Doc()->m_EntryList = SampleEntries(n);
        Doc()->UpdateAllViews(nullptr);
    }
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

TEST_F(EntriesView, EditShowsTheNewTextsAtOnceAndTheDeleteQuestionNamesThem)
{
    Load(3);
    Select(1);
    harness::ModalDriver driver;
    driver.ExpectDialog("Entry Properties").SetText(IDC_FOR, "changed").Click(IDCANCEL);
    DoubleClick(1);
    EXPECT_FALSE(Doc()->IsModified());
    driver.ExpectDialog("Entry Properties")
        .ExpectText(IDC_FOR, "site 1")
        .ExpectText(IDC_PASSWORD, "pass 1")
        .SetText(IDC_FOR, "renamed")
        .SetText(IDC_PASSWORD, "new pass")
        .Click(IDOK);
    DoubleClick(1);
    EXPECT_EQ(Rows()[1], (std::vector<std::string>{"renamed", "user 1", "new pass", "note 1, with a comma"}));
    EXPECT_TRUE(Doc()->IsModified());
    driver.ExpectMessageBox("Delete Entry?\n\nrenamed").Click(IDNO);
    Command(ID_ENTRY_DELETE);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 3);
}

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
        driver.ExpectMessageBox().Click(c.answer);
        Command(ID_ENTRY_DELETE);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].text, "Delete Entry?\n\nsite " + std::to_string(c.count / 2));
        EXPECT_EQ(driver.MessageBoxes()[0].Style(), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        CEntryList left;
        for (int i : c.left) left.Add(SampleEntries(c.count).GetAt(i));
        EXPECT_TRUE(SameEntries(Doc()->m_EntryList, left)) << c.count << " entries, answer " << c.answer;
        EXPECT_EQ(static_cast<int>(Rows().size()), left.GetCount());
        EXPECT_EQ(Doc()->IsModified(), c.answer == IDYES);
        EXPECT_EQ(DeleteEnabled(), c.answer == IDNO);  // a rebuild leaves no row selected
    }
}

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
    } finds[] = {{LVFI_STRING, "BANK", 1},
                 {LVFI_PARTIAL, "site 2", 2},
                 {LVFI_PARAM, reinterpret_cast<LPCSTR>(8), -1},
                 {LVFI_NEARESTXY, reinterpret_cast<LPCSTR>(8), -1}};
    for (const auto& f : finds) {
        LVFINDINFOA find = {f.flags, f.psz, 0, {0, 0}, 0};
        EXPECT_EQ(View()->SendMessage(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)),
                  f.nFound)
            << f.flags;
    }
}

TEST_F(EntriesView, OneDeleteKeyPressAsksOneQuestion)
{
    for (bool bThroughLoop : {true, false}) {
        Load(3);
        Select(1);
        harness::ModalDriver driver;
        driver.ExpectMessageBox().Click(IDYES);
        if (bThroughLoop) {
            // The accelerator takes the press; the release reaches the view while
            // the question is open.
            View()->PostMessage(WM_KEYDOWN, VK_DELETE, 0x01530001);
            View()->PostMessage(WM_KEYUP, VK_DELETE, 0xC1530001);
            MSG msg;
            for (int i = 0; i < 100 && PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i) AfxGetApp()->PumpMessage();
        } else {  // no accelerator: the view's own press and release
            View()->SendMessage(WM_KEYDOWN, VK_DELETE, 0x01530001);
            View()->SendMessage(WM_KEYUP, VK_DELETE, 0xC1530001);
        }
        EXPECT_EQ(driver.MessageBoxes().size(), 1u) << (bThroughLoop ? "message loop" : "view");
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), 2);
        EXPECT_TRUE(Doc()->IsModified());
    }
}

TEST_F(EntriesView, DeleteNeverActsOnAnIndexThatNamesNoEntry)
{
    Load(1);
    View()->m_nSelected = 2;  // as if the control had not reported a lost selection
    harness::ModalDriver driver;
    driver.ExpectMessageBox("No entry selected.").Click(IDOK);
    EXPECT_FALSE(View()->DeleteSelectedEntry());
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(driver.MessageBoxes()[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 1);
    EXPECT_FALSE(DeleteEnabled());
}

}  // namespace
}  // namespace apptest
