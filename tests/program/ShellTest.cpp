// The application shell: window placement, the bars around the view and what the
// status bar says, the command table (menu, keys, prompts, tool tips), command
// enabling, the About box and the file type.
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
        {{0, 0, 1024, 740}, 230, 195},                                   // 1024 x 768, 28-pixel taskbar at the bottom
        {{100, 0, 1024, 768}, 180, 209},                                 // taskbar on the left: not offset by it
        {{0, 0, 1024, 400}, 230, 25},    {{0, 0, 1024, 300}, 230, -25},  // lower than the window
        {{0, 0, 500, 768}, -31, 209},                                    // odd difference truncates toward zero
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

// The message pane shows a menu item's prompt while it is highlighted (none for a
// popup, its own for a system command) and a button's while the pointer is over
// it, else "Ready"; the key-lock indicators show their texts only while the key is
// locked; a button's tool tip is its command's short name.
TEST_F(Shell, BarsAroundTheViewWithPromptsIndicatorsAndToolTips)
{
    auto childRect = [](CWnd& child) {
        CRect rc;
        child.GetWindowRect(&rc);
        Frame()->ScreenToClient(&rc);
        return rc;
    };
    CRect rcClient, rcAdd;
    Frame()->GetClientRect(&rcClient);
    CRect rcTool = childRect(Frame()->m_wndToolBar), rcStatus = childRect(Frame()->m_wndStatusBar);
    EXPECT_EQ(rcTool, CRect(0, 0, rcClient.right, rcTool.bottom));
    EXPECT_EQ(rcStatus, CRect(0, rcStatus.top, rcClient.right, rcClient.bottom));
    EXPECT_EQ(childRect(*Frame()->GetActiveView()), CRect(0, rcTool.bottom, rcClient.right, rcStatus.top));

    CStatusBar& status = Frame()->m_wndStatusBar;
    CToolBarEx& bar = Frame()->m_wndToolBar;
    bar.GetItemRect(bar.CommandToIndex(ID_ENTRY_ADD), &rcAdd);
    const LPARAM file = reinterpret_cast<LPARAM>(GetSubMenu(GetMenu(Frame()->m_hWnd), 0));
    const LPARAM system = reinterpret_cast<LPARAM>(GetSystemMenu(Frame()->m_hWnd, FALSE));
    const struct {
        CWnd* pTo;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* pane;
    } steps[] = {
        {Frame(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_HILITE), file, "Create a new document"},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_IMPORT, MF_HILITE), file,
         "Import entires, and append into this database."},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_EXPORT, MF_HILITE), file, "Export entries to text file."},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(ID_APP_EXIT, MF_HILITE), file,
         "Quit the application; prompts to save documents"},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(ID_OPTIONS_AUTOSIZE, MF_HILITE), file,
         "Automatically resize headers to current window size."},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), file, ""},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(SC_TASKLIST, MF_HILITE | MF_SYSMENU), system, "Activate Task List"},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, "Ready"},
        {&bar, WM_MOUSEMOVE, 0, MAKELPARAM(rcAdd.CenterPoint().x, rcAdd.CenterPoint().y), "Add New Entry"},
        {&bar, WM_MOUSELEAVE, 0, 0, "Ready"},
    };
    for (const auto& step : steps) {
        step.pTo->SendMessage(step.message, step.wParam, step.lParam);
        EXPECT_EQ(status.GetPaneText(0), step.pane);
    }
    const std::pair<int, const char*> locks[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};
    AfxGetApp()->OnIdle(0);
    for (int i = 0; i < 3; ++i) {
        char text[16] = "";
        status.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, (GetKeyState(locks[i].first) & 1) ? locks[i].second : "") << locks[i].second;
    }

    char text[80] = "";
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = bar.m_hWnd;
    info.uId = ID_ENTRY_ADD;
    info.lpszText = text;
    SendMessageA(reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS)), TTM_GETTEXTA, sizeof text,
                 reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "Add Entry");
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
        UINT id;  // 0 for a separator
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File",
         {{"&New\tCtrl+N", ID_FILE_NEW},
          {"&Open...\tCtrl+O", ID_FILE_OPEN},
          {"&Save\tCtrl+S", ID_FILE_SAVE},
          {"Save &As...", ID_FILE_SAVE_AS},
          {"", 0},
          {"&Import", ID_FILE_IMPORT},
          {"&Export", ID_FILE_EXPORT},
          {"", 0},
          {"E&xit", ID_APP_EXIT}}},
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

// The keys of the command table; the edit and pane keys do nothing.
TEST_F(Shell, AcceleratorsBindTheCommandKeys)
{
    const ACCEL expected[] = {
        {FCONTROL, 'N', ID_FILE_NEW},        {FCONTROL, 'O', ID_FILE_OPEN},    {FCONTROL, 'S', ID_FILE_SAVE},
        {0, VK_INSERT, ID_ENTRY_ADD},        {0, VK_DELETE, ID_ENTRY_DELETE},  {FCONTROL, 'C', ID_EDIT_COPY},
        {FCONTROL, VK_INSERT, ID_EDIT_COPY}, {FSHIFT, VK_DELETE, ID_EDIT_CUT}, {FSHIFT, VK_INSERT, ID_EDIT_PASTE},
        {FALT, VK_BACK, ID_EDIT_UNDO},       {0, VK_F6, ID_NEXT_PANE},         {FSHIFT, VK_F6, ID_PREV_PANE},
    };
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(table);
    ACCEL keys[32];
    const int n = CopyAcceleratorTableA(table, keys, 32);
    DestroyAcceleratorTable(table);
    EXPECT_EQ(n, 15);
    for (const ACCEL& e : expected) {
        int nCommand = -1;
        for (int i = 0; i < n; ++i)
            if ((keys[i].fVirt & ~FNOINVERT) == (e.fVirt | FVIRTKEY) && keys[i].key == e.key) nCommand = keys[i].cmd;
        EXPECT_EQ(nCommand, e.cmd) << "key " << e.key;
    }

    Doc()->m_EntryList.Add(SampleEntries(1).GetAt(0));
    harness::ModalDriver driver;
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE}) Command(id);
    EXPECT_TRUE(driver.Captions().empty());
    EXPECT_TRUE(SameEntries(Doc()->m_EntryList, SampleEntries(1)));
    EXPECT_FALSE(Doc()->IsModified());
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
