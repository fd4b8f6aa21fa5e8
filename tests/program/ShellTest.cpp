// The application shell: window placement, the command table (menu, keys,
// prompts, tool tips), command enabling, the About box and the file type.
#include "ProgramFixture.h"

#include "app/resource.h"

namespace apptest {
namespace {

class Shell : public ProgramFixture {};

TEST(Placement, CentresInARectangleOfTheWorkAreasSizeAtTheOrigin)
{
    struct Case {
        RECT work;
        int left, top;
    };
    const Case cases[] = {
        {{0, 0, 1024, 740}, 230, 195},      // 1024 x 768, 28-pixel taskbar at the bottom
        {{100, 0, 1024, 768}, 180, 209},    // taskbar on the left: not offset by it
        {{0, 0, 1024, 400}, 230, 25},
        {{0, 0, 1024, 300}, 230, -25},      // lower than the window
        {{0, 0, 500, 768}, -31, 209},       // odd difference truncates toward zero
    };
    for (const Case& c : cases) {
        CMainFrame frame;
        frame.PlaceInWorkArea(c.work);
        EXPECT_EQ(frame.m_nLeft, c.left);
        EXPECT_EQ(frame.m_nTop, c.top);
        EXPECT_EQ(frame.m_nWidth, 563);
        EXPECT_EQ(frame.m_nHeight, 350);
    }
}

TEST_F(Shell, MainWindowWasCreatedCentredAtItsFixedSize)
{
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    RECT rc;
    GetWindowRect(Frame()->m_hWnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 563);
    EXPECT_EQ(rc.bottom - rc.top, 350);
    EXPECT_EQ(rc.left, (work.right - work.left - 563) / 2);
    EXPECT_EQ(rc.top, (work.bottom - work.top - 350) / 2);
}

std::string MenuText(HMENU menu, UINT pos)
{
    char text[128] = "";
    GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(Shell, MenuHoldsTheCommandsInOrder)
{
    struct Item {
        const char* text;
        UINT id;   // 0 for a separator
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File",
         {{"&New\tCtrl+N", ID_FILE_NEW}, {"&Open...\tCtrl+O", ID_FILE_OPEN}, {"&Save\tCtrl+S", ID_FILE_SAVE},
          {"Save &As...", ID_FILE_SAVE_AS}, {"", 0}, {"&Import", ID_FILE_IMPORT}, {"&Export", ID_FILE_EXPORT},
          {"", 0}, {"E&xit", ID_APP_EXIT}}},
        {"&View", {{"&Toolbar", ID_VIEW_TOOLBAR}, {"&Status Bar", ID_VIEW_STATUS_BAR}}},
        {"&Entries", {{"&Add Entry\tIns", ID_ENTRY_ADD}, {"&Delete Entry\tDel", ID_ENTRY_DELETE}}},
        {"&Options", {{"&AutoSize Headers", ID_OPTIONS_AUTOSIZE}}},
        {"&Help", {{"&About Vaultry...", ID_APP_ABOUT}}},
    };
    HMENU bar = GetMenu(Frame()->m_hWnd);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
    for (UINT m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(MenuText(bar, m), menus[m].first);
        HMENU popup = GetSubMenu(bar, m);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menus[m].second.size()));
        for (UINT i = 0; i < menus[m].second.size(); ++i) {
            EXPECT_EQ(MenuText(popup, i), menus[m].second[i].text);
            EXPECT_EQ(GetMenuItemID(popup, i), menus[m].second[i].id);
        }
    }
}

TEST_F(Shell, AcceleratorsBindTheCommandKeys)
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(table);
    ACCEL keys[32];
    int n = CopyAcceleratorTableA(table, keys, 32);
    auto command = [&](BYTE flags, WORD key) -> int {
        for (int i = 0; i < n; ++i)
            if ((keys[i].fVirt & ~FNOINVERT) == (flags | FVIRTKEY) && keys[i].key == key) return keys[i].cmd;
        return -1;
    };
    EXPECT_EQ(n, 15);
    EXPECT_EQ(command(FCONTROL, 'N'), ID_FILE_NEW);
    EXPECT_EQ(command(FCONTROL, 'O'), ID_FILE_OPEN);
    EXPECT_EQ(command(FCONTROL, 'S'), ID_FILE_SAVE);
    EXPECT_EQ(command(0, VK_INSERT), ID_ENTRY_ADD);
    EXPECT_EQ(command(0, VK_DELETE), ID_ENTRY_DELETE);
    EXPECT_EQ(command(FCONTROL, 'C'), ID_EDIT_COPY);
    EXPECT_EQ(command(FCONTROL, VK_INSERT), ID_EDIT_COPY);
    EXPECT_EQ(command(FSHIFT, VK_DELETE), ID_EDIT_CUT);
    EXPECT_EQ(command(FSHIFT, VK_INSERT), ID_EDIT_PASTE);
    EXPECT_EQ(command(FALT, VK_BACK), ID_EDIT_UNDO);
    EXPECT_EQ(command(0, VK_F6), ID_NEXT_PANE);
    EXPECT_EQ(command(FSHIFT, VK_F6), ID_PREV_PANE);
    DestroyAcceleratorTable(table);
}

TEST_F(Shell, EditAndPaneKeysDoNothing)
{
    CEntryList before = SampleEntries(1);
    Doc()->m_EntryList.Add(before.GetAt(0));
    harness::ModalDriver driver;
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE})
        Command(id);
    EXPECT_TRUE(driver.Captions().empty());
    EXPECT_TRUE(SameEntries(Doc()->m_EntryList, before));
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(Shell, PromptsAndToolTipTexts)
{
    const std::pair<UINT, const char*> prompts[] = {
        {ID_ENTRY_ADD, "Add New Entry\nAdd Entry"},
        {ID_ENTRY_DELETE, "Delete an Entry\nDelete Entry"},
        {ID_OPTIONS_AUTOSIZE, "Automatically resize headers to current window size.\nAutoSize Headers"},
        {ID_FILE_EXPORT, "Export entries to text file.\nExport"},
        {ID_FILE_IMPORT, "Import entires, and append into this database.\nImport"},
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
        {61203, "Activate Task List"},
        {57345, "Ready"},
        {57344, "Vaultry"},
        {128, "Vaultry\n\nVTDB\nVaultry Databases (*.vty)\n.vty\nVaultry.Document\nVaultry Database"},
    };
    for (const auto& p : prompts) {
        char text[256] = "";
        LoadStringA(GetModuleHandleA(nullptr), p.first, text, sizeof text);
        EXPECT_STREQ(text, p.second) << p.first;
    }
}

TEST_F(Shell, ToolbarButtonsInOrder)
{
    HWND toolbar = Frame()->m_wndToolBar.m_hWnd;
    const int ids[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_FILE_IMPORT, ID_FILE_EXPORT, 0,
                       ID_ENTRY_ADD, ID_ENTRY_DELETE, 0, ID_OPTIONS_AUTOSIZE};
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 11);
    for (int i = 0; i < 11; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, ids[i]) << i;
        EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, ids[i] == 0) << i;
    }
}

bool MenuItemGrayed(HMENU popup, UINT id) { return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

// Export needs an entry; Import never does. Checked on the menu as it opens and
// on the toolbar after idle time, which must agree.
TEST_F(Shell, ExportIsGreyedWhileTheDatabaseIsEmpty)
{
    HWND frame = Frame()->m_hWnd;
    HMENU file = GetSubMenu(GetMenu(frame), 0);
    HWND toolbar = Frame()->m_wndToolBar.m_hWnd;
    auto refresh = [&] {
        SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
        AfxGetApp()->OnIdle(0);
    };
    refresh();
    EXPECT_TRUE(MenuItemGrayed(file, ID_FILE_EXPORT));
    EXPECT_FALSE(MenuItemGrayed(file, ID_FILE_IMPORT));
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_EXPORT, 0));
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_IMPORT, 0));

    Doc()->m_EntryList.Add(CEntry());
    refresh();
    EXPECT_FALSE(MenuItemGrayed(file, ID_FILE_EXPORT));
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_EXPORT, 0));
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT})
        EXPECT_FALSE(MenuItemGrayed(file, id)) << id;
}

TEST_F(Shell, ViewMenuTogglesTheBarsWithCheckMarks)
{
    HWND frame = Frame()->m_hWnd;
    HMENU view = GetSubMenu(GetMenu(frame), 1);
    for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        HWND bar = GetDlgItem(frame, id);
        ASSERT_TRUE(bar);
        SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
        EXPECT_TRUE(GetMenuState(view, id, MF_BYCOMMAND) & MF_CHECKED);
        Command(id);
        EXPECT_FALSE(IsWindowVisible(bar));
        SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
        EXPECT_FALSE(GetMenuState(view, id, MF_BYCOMMAND) & MF_CHECKED);
        Command(id);
        EXPECT_TRUE(IsWindowVisible(bar));
    }
}

TEST_F(Shell, AboutOpensModallyAndClosesWithOkOrEscape)
{
    harness::ModalDriver driver;
    driver.ExpectDialog("About Vaultry").ExpectText(IDOK, "OK").Click(IDOK);
    driver.ExpectDialog("About Vaultry").PressEscape();
    Command(ID_APP_ABOUT);
    Command(ID_APP_ABOUT);
    EXPECT_TRUE(driver.AllAnswered());
}

TEST_F(Shell, FileTypeIsRegisteredForTheCurrentUser)
{
    auto value = [](const char* key) {
        char data[MAX_PATH] = "";
        LONG size = sizeof data;
        std::string full = std::string("Software\\Classes\\") + key;
        if (RegQueryValueA(HKEY_CURRENT_USER, full.c_str(), data, &size) != ERROR_SUCCESS) return std::string("?");
        return std::string(data);
    };
    EXPECT_EQ(value(".vty"), "Vaultry.Document");
    EXPECT_EQ(value("Vaultry.Document"), "Vaultry Database");
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    EXPECT_EQ(value("Vaultry.Document\\DefaultIcon"), std::string(exe) + ",1");
    EXPECT_EQ(value("Vaultry.Document\\shell\\open\\command"), "\"" + std::string(exe) + "\" \"%1\"");
}

}  // namespace
}  // namespace apptest
