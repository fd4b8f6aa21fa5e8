// A frame with a toolbar and a status bar, made as a program's main frame makes
// them: the layout of bars and view, View > Toolbar and Status Bar, prompts in the
// message pane, the toolbar's buttons, tool tips and idle-time states, and the
// key-lock indicators.
#include "DocViewFixture.h"

namespace {

class FrameTest : public DocViewTest {
protected:
    FrameTest() : DocViewTest(RUNTIME_CLASS(CBarsFrame)) {}
    void SetUp() override
    {
        DocViewTest::SetUp();
        m_app.OnFileNew();
        PumpMessages();
    }
    CBarsFrame* BarsFrame() const { return static_cast<CBarsFrame*>(Frame()); }
    // A child's window rectangle in the frame's client coordinates.
    CRect ChildRect(CWnd& child) const
    {
        CRect rc;
        child.GetWindowRect(&rc);
        Frame()->ScreenToClient(&rc);
        return rc;
    }
    std::string MessagePane() const
    {
        char text[256] = "";
        BarsFrame()->m_wndStatusBar.SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string PaneText(int nIndex) const
    {
        char text[256] = "";
        BarsFrame()->m_wndStatusBar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nIndex),
                                                reinterpret_cast<LPARAM>(text));
        return text;
    }
};

}  // namespace

TEST_F(FrameTest, ToolbarOnTopStatusBarAtTheBottomViewInBetween)
{
    CRect rcClient;
    Frame()->GetClientRect(&rcClient);
    CRect rcTool = ChildRect(BarsFrame()->m_wndToolBar);
    CRect rcStatus = ChildRect(BarsFrame()->m_wndStatusBar);
    CRect rcView = ChildRect(*View());
    EXPECT_EQ(rcTool.top, 0);
    EXPECT_EQ(rcTool.Width(), rcClient.Width());
    EXPECT_GE(rcTool.Height(), 22);   // at least a button's height
    EXPECT_EQ(rcStatus.bottom, rcClient.bottom);
    EXPECT_EQ(rcStatus.Width(), rcClient.Width());
    EXPECT_GT(rcStatus.Height(), 10);
    EXPECT_EQ(rcView, CRect(0, rcTool.bottom, rcClient.right, rcStatus.top));

    // The layout follows the frame's size.
    Frame()->MoveWindow(10, 10, 500, 400);
    Frame()->GetClientRect(&rcClient);
    EXPECT_EQ(ChildRect(*View()), CRect(0, ChildRect(BarsFrame()->m_wndToolBar).bottom, rcClient.right,
                                        ChildRect(BarsFrame()->m_wndStatusBar).top));
}

TEST_F(FrameTest, ViewMenuHidesAndShowsTheBarsAndChecksItsItems)
{
    HMENU hView = GetSubMenu(GetMenu(Frame()->m_hWnd), 2);
    auto checked = [&](UINT nID) {
        Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hView), MAKELPARAM(2, FALSE));
        return (GetMenuState(hView, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));

    Frame()->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(BarsFrame()->m_wndToolBar.IsWindowVisible());
    EXPECT_FALSE(checked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(ChildRect(*View()).top, 0);   // the view took the toolbar's place

    Frame()->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    CRect rcClient;
    Frame()->GetClientRect(&rcClient);
    EXPECT_FALSE(checked(ID_VIEW_STATUS_BAR));
    EXPECT_EQ(ChildRect(*View()).bottom, rcClient.bottom);

    Frame()->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(BarsFrame()->m_wndToolBar.IsWindowVisible());
    EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(ChildRect(*View()).top, ChildRect(BarsFrame()->m_wndToolBar).bottom);
}

TEST_F(FrameTest, MessagePaneShowsPromptsWhileAMenuItemIsHighlighted)
{
    EXPECT_EQ(MessagePane(), "Ready");
    HMENU hFile = GetSubMenu(GetMenu(Frame()->m_hWnd), 0);
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_HILITE), reinterpret_cast<LPARAM>(hFile));
    EXPECT_EQ(MessagePane(), "Create a new document");
    // A popup has no prompt; a system command has its own.
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(hFile));
    EXPECT_EQ(MessagePane(), "");
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_HILITE | MF_SYSMENU),
                         reinterpret_cast<LPARAM>(GetSystemMenu(Frame()->m_hWnd, FALSE)));
    EXPECT_EQ(MessagePane(), "Close the active window and prompts to save the documents");
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(MessagePane(), "Ready");
}

// The status bar's window text is its message pane's, set and read in either
// character set: what screen readers and GetWindowTextW/A see.
TEST_F(FrameTest, StatusBarWindowTextInBothCharacterSets)
{
    HWND hBar = BarsFrame()->m_wndStatusBar.m_hWnd;
    for (const char* pszSet : {"", "Ready", "Wide \xE9t\xE9", "Narrow"}) {
        if (pszSet[0] == 'W') SetWindowTextW(hBar, L"Wide \x00E9t\x00E9");
        if (pszSet[0] == 'N') SetWindowTextA(hBar, pszSet);
        const std::string expected = pszSet[0] != 0 ? pszSet : "Ready";
        EXPECT_EQ(MessagePane(), expected);
        char a[64] = "";
        WCHAR w[64] = L"";
        EXPECT_EQ(GetWindowTextLengthA(hBar), static_cast<int>(expected.size()));
        EXPECT_EQ(GetWindowTextA(hBar, a, 64), static_cast<int>(expected.size()));
        EXPECT_EQ(a, expected);
        EXPECT_EQ(GetWindowTextLengthW(hBar), static_cast<int>(expected.size()));
        EXPECT_EQ(GetWindowTextW(hBar, w, 4), 3);
        EXPECT_EQ(std::string(w, w + 4), std::string(expected.begin(), expected.begin() + 3) + '\0');
    }
}

TEST_F(FrameTest, ToolbarButtonsComeFromTheResourceWithTheirToolTips)
{
    CToolBar& bar = BarsFrame()->m_wndToolBar;
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetItemID(0), static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(bar.GetItemID(1), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(bar.GetItemID(2), static_cast<UINT>(ID_TEST_VIEWCMD));
    EXPECT_EQ(bar.GetItemID(3), static_cast<UINT>(ID_TEST_FRAMECMD));
    EXPECT_EQ(bar.GetButtonStyle(1) & 0xFFFF, static_cast<UINT>(TBBS_SEPARATOR));
    EXPECT_EQ(bar.CommandToIndex(ID_TEST_FRAMECMD), 3);
    EXPECT_EQ(bar.m_sizeImage, CSize(16, 15));
    EXPECT_EQ(bar.GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY),
              static_cast<DWORD>(CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));

    // The tool tip asks the toolbar for the text of the button's tool.
    HWND hTips = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(hTips, nullptr);
    char text[80] = "";
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    info.hwnd = bar.m_hWnd;
    info.uId = ID_TEST_VIEWCMD;
    info.lpszText = text;
    SendMessageA(hTips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "View Command");

    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_TOOLTIPS);
    text[0] = '\0';
    SendMessageA(hTips, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "");
}

TEST_F(FrameTest, ButtonsFollowTheCommandsStatesAtIdleTime)
{
    CToolBarCtrl& ctrl = BarsFrame()->m_wndToolBar.GetToolBarCtrl();
    static_cast<CTestFrame*>(Frame())->m_bFrameCmdEnabled = FALSE;
    m_app.OnIdle(0);
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_FILE_NEW));      // the application handles it
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_VIEWCMD));  // the view handles it
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_FRAMECMD));
    static_cast<CTestFrame*>(Frame())->m_bFrameCmdEnabled = TRUE;
    m_app.OnIdle(0);
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_FRAMECMD));

    // A button is a command like a menu item.
    Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_VIEWCMD, BN_CLICKED),
                         reinterpret_cast<LPARAM>(BarsFrame()->m_wndToolBar.m_hWnd));
    EXPECT_EQ(g_handled, (std::vector<std::string>{"view:view"}));
}

TEST_F(FrameTest, ButtonPromptShowsWhileThePointerIsOverIt)
{
    CToolBar& bar = BarsFrame()->m_wndToolBar;
    CRect rc;
    bar.GetItemRect(2, &rc);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    EXPECT_EQ(MessagePane(), "Command of the view");
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(MessagePane(), "Ready");
}

TEST_F(FrameTest, KeyLockIndicatorsShowTheirTextOnlyWhileTheKeyIsLocked)
{
    CStatusBar& bar = BarsFrame()->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetPaneText(1), "CAP");
    EXPECT_EQ(bar.GetPaneText(2), "NUM");
    EXPECT_EQ(bar.GetPaneText(3), "SCRL");
    const int keys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    // From the start, and at every idle time.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(PaneText(i + 1), (GetKeyState(keys[i]) & 1) ? texts[i] : "") << texts[i];
    m_app.OnIdle(0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(PaneText(i + 1), (GetKeyState(keys[i]) & 1) ? texts[i] : "") << texts[i];
    // The indicator panes are sized for their texts; the message pane takes the rest.
    CRect rcMessage, rcCaps;
    bar.GetItemRect(0, &rcMessage);
    bar.GetItemRect(1, &rcCaps);
    EXPECT_GT(rcMessage.Width(), rcCaps.Width());
    EXPECT_GT(rcCaps.Width(), 0);
}
