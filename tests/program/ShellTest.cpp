// The application shell: placement, bars, prompts, menus and keys, enabling, About, file type.
#include <algorithm>

#include "ProgramFixture.h"

#include "app/resource.h"

namespace apptest {
namespace {

class Shell : public ProgramFixture {};

// Centred in the work area's size at the origin (truncated, even off-screen), as it was created.
TEST_F(Shell, MainWindowIsCentredInTheWorkAreaAtItsFixedSize)
{
    const struct {
        RECT work;
        int left, top;
    } cases[] = {{{0, 0, 1024, 740}, 230, 195}, {{100, 0, 1024, 768}, 180, 209}, {{0, 0, 500, 300}, -31, -25}};
    for (const auto& c : cases) {
        CMainFrame frame;
        frame.PlaceInWorkArea(c.work);
        EXPECT_EQ(CRect(frame.m_nLeft, frame.m_nTop, frame.m_nLeft + frame.m_nWidth, frame.m_nTop + frame.m_nHeight),
                  CRect(c.left, c.top, c.left + 563, c.top + 350));
    }
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    CRect rc;
    Frame()->GetWindowRect(&rc);
    const int left = (work.right - work.left - 563) / 2, top = (work.bottom - work.top - 350) / 2;
    EXPECT_EQ(rc, CRect(left, top, left + 563, top + 350));
}

// Bars around the view; the pane shows a highlighted item's or button's prompt, lock keys, tool tips.
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
    // The status bar's pane holds a whole line of its font.
    TEXTMETRICA tm;
    CClientDC dc(&status);
    dc.SelectObject(reinterpret_cast<HFONT>(status.SendMessage(WM_GETFONT)));
    dc.GetTextMetrics(&tm);
    CRect rcPane;
    status.SendMessage(SB_GETRECT, 0, reinterpret_cast<LPARAM>(&rcPane));
    EXPECT_GE(rcPane.Height(), tm.tmHeight);
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
        {Frame(), WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), file, ""},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(SC_TASKLIST, MF_HILITE | MF_SYSMENU), system, "Activate Task List"},
        {Frame(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, "Ready"},
        {&bar, WM_MOUSEMOVE, 0, MAKELPARAM(rcAdd.CenterPoint().x, rcAdd.CenterPoint().y), "Add New Entry"},
        {&bar, WM_MOUSELEAVE, 0, 0, "Ready"},
        {&status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Set by another program"), "Set by another program"},
    };
    for (const auto& step : steps) {
        step.pTo->SendMessage(step.message, step.wParam, step.lParam);
        EXPECT_EQ(status.GetPaneText(0), step.pane);
    }
    // Read into a buffer too small for it (the bar is a UTF-16 window), the text is cut
    // to fit and nothing lies past it.
    WCHAR wideCut[24] = L"xxxxxxxxxxxxxxxxxxxxxxx";  // 22 given, as many as the text has
    EXPECT_EQ(SendMessageW(status.m_hWnd, WM_GETTEXT, 22, reinterpret_cast<LPARAM>(wideCut)), 21);
    EXPECT_EQ(std::wstring(wideCut, 24), std::wstring(L"Set by another progra\0x\0", 24));
    const std::pair<int, const char*> locks[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(status.SendMessage(SB_GETPARTS, 0, 0), 4);  // the message and the three indicators
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

// The menus hold the commands in order, and each key an item shows is bound to it.
TEST_F(Shell, MenuHoldsTheCommandsInOrderWithTheirKeys)
{
    struct Item {
        const char* text;
        UINT id;  // 0 for a separator
        BYTE fVirt = 0;
        WORD key = 0;  // 0 for none
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File",
         {{"&New\tCtrl+N", ID_FILE_NEW, FCONTROL, 'N'},
          {"&Open...\tCtrl+O", ID_FILE_OPEN, FCONTROL, 'O'},
          {"&Save\tCtrl+S", ID_FILE_SAVE, FCONTROL, 'S'},
          {"Save &As...", ID_FILE_SAVE_AS},
          {"", 0},
          {"&Import", ID_FILE_IMPORT},
          {"&Export", ID_FILE_EXPORT},
          {"", 0},
          {"E&xit", ID_APP_EXIT}}},
        {"&View", {{"&Toolbar", ID_VIEW_TOOLBAR}, {"&Status Bar", ID_VIEW_STATUS_BAR}}},
        {"&Entries",
         {{"&Add Entry\tIns", ID_ENTRY_ADD, 0, VK_INSERT}, {"&Delete Entry\tDel", ID_ENTRY_DELETE, 0, VK_DELETE}}},
        {"&Options", {{"&AutoSize Headers", ID_OPTIONS_AUTOSIZE}}},
        {"&Help", {{"&About Vaultry...", ID_APP_ABOUT}}},
    };
    ACCEL keys[32];
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    const int nKeys = CopyAcceleratorTableA(table, keys, 32);
    DestroyAcceleratorTable(table);
    HMENU bar = GetMenu(Frame()->m_hWnd);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
    for (UINT m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(MenuText(bar, m), menus[m].first);
        HMENU popup = GetSubMenu(bar, m);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menus[m].second.size()));
        for (UINT i = 0; i < menus[m].second.size(); ++i) {
            const Item& item = menus[m].second[i];
            EXPECT_EQ(MenuText(popup, i), item.text);
            EXPECT_EQ(GetMenuItemID(popup, i), item.id);
            if (!item.key) continue;
            const ACCEL* pKey = std::find_if(keys, keys + nKeys, [&](const ACCEL& k) {
                return (k.fVirt & ~FNOINVERT) == (item.fVirt | FVIRTKEY) && k.key == item.key;
            });
            EXPECT_TRUE(pKey != keys + nKeys && pKey->cmd == item.id) << item.text;
        }
    }
}

// Export needs an entry, other file commands never do; menu and toolbar agree.
TEST_F(Shell, ExportIsGreyedWhileTheDatabaseIsEmpty)
{
    HMENU file = GetSubMenu(GetMenu(Frame()->m_hWnd), 0);
    for (bool bEntry : {false, true}) {
        if (bEntry) Doc()->m_EntryList.Add(CEntry());
        Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
        AfxGetApp()->OnIdle(0);
        EXPECT_EQ((GetMenuState(file, ID_FILE_EXPORT, MF_BYCOMMAND) & MF_GRAYED) != 0, !bEntry);
        EXPECT_EQ(Frame()->m_wndToolBar.GetToolBarCtrl().IsButtonEnabled(ID_FILE_EXPORT) != FALSE, bEntry);
        for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_IMPORT, ID_APP_EXIT})
            EXPECT_FALSE(GetMenuState(file, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    }
}

// View > Toolbar and Status Bar hide and show their bars, ticked while shown.
TEST_F(Shell, ViewMenuTogglesTheBarsWithCheckMarks)
{
    HMENU view = GetSubMenu(GetMenu(Frame()->m_hWnd), 1);
    for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        for (int nStep = 0; nStep < 3; ++nStep) {
            Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
            EXPECT_EQ((GetMenuState(view, id, MF_BYCOMMAND) & MF_CHECKED) != 0, nStep != 1) << id;
            EXPECT_EQ(IsWindowVisible(GetDlgItem(Frame()->m_hWnd, id)) != FALSE, nStep != 1) << id;
            if (nStep < 2) Command(id);
        }
    }
}

// About opens modally, centred over the main window (here away from the screen's
// centre), and closes with OK.
TEST_F(Shell, AboutOpensModallyCentredAndClosesWithOk)
{
    CRect rcOld;
    Frame()->GetWindowRect(&rcOld);
    Frame()->MoveWindow(20, 10, 500, 400);
    harness::ModalDriver driver;
    driver.ExpectDialog("About Vaultry")
        .Call([](HWND dlg) {
            RECT rcDlg, rcFrame;
            GetWindowRect(dlg, &rcDlg);
            GetWindowRect(Frame()->m_hWnd, &rcFrame);
            EXPECT_NEAR(rcDlg.left + rcDlg.right, rcFrame.left + rcFrame.right, 2);
            EXPECT_NEAR(rcDlg.top + rcDlg.bottom, rcFrame.top + rcFrame.bottom, 2);
        })
        .Click(IDOK);
    Command(ID_APP_ABOUT);
    EXPECT_TRUE(driver.AllAnswered());
    Frame()->MoveWindow(rcOld.left, rcOld.top, rcOld.Width(), rcOld.Height());
}

// Double-clicking a database opens it in this program.
TEST_F(Shell, FileTypeIsRegisteredForTheCurrentUser)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::pair<const char*, std::string> values[] = {
        {".vty", "Vaultry.Document"},
        {"Vaultry.Document", "Vaultry Database"},
        {"Vaultry.Document\\DefaultIcon", std::string(exe) + ",1"},
        {"Vaultry.Document\\shell\\open\\command", "\"" + std::string(exe) + "\" \"%1\""}};
    for (const auto& value : values) {
        char data[MAX_PATH] = "?";
        LONG size = sizeof data;
        RegQueryValueA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\") + value.first).c_str(), data, &size);
        EXPECT_EQ(data, value.second);
    }
}

}  // namespace
}  // namespace apptest
