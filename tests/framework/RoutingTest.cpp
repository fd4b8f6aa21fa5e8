// Command routing through a real frame, update-command-UI on a real menu, the end of a session.
#include "DocViewFixture.h"
#include "harness/ModalDriver.h"

namespace {

UINT StateOf(HMENU hMenu, UINT nID) { return GetMenuState(hMenu, nID, MF_BYCOMMAND); }

// The "Test" popup of the frame's menu, updated as when the user opens it.
HMENU OpenTestMenu(CFrameWnd* pFrame)
{
    HMENU hPopup = GetSubMenu(GetMenu(pFrame->m_hWnd), 1);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(1, FALSE));
    return hPopup;
}

}  // namespace

TEST_F(DocViewTest, CommandsGoToViewDocumentFrameAndApplicationInThatOrder)
{
    for (UINT nID : {ID_TEST_VIEWCMD, ID_TEST_DOCCMD, ID_TEST_FRAMECMD, ID_TEST_APPCMD, ID_TEST_SHARED})
        Frame()->SendMessage(WM_COMMAND, nID);
    EXPECT_EQ(g_handled, (std::vector<std::string>{"view:view", "doc:doc", "frame:frame", "app:app", "view:shared"}));
}

TEST_F(DocViewTest, MenuItemsAreUpdatedWhenTheirPopupOpens)
{
    HMENU hPopup = OpenTestMenu(Frame());
    for (UINT nID : {ID_TEST_VIEWCMD, ID_TEST_DOCCMD, ID_TEST_FRAMECMD, ID_TEST_APPCMD, ID_TEST_SHARED})
        EXPECT_EQ(StateOf(hPopup, nID) & (MF_GRAYED | MF_DISABLED), 0u) << nID;
    EXPECT_EQ(StateOf(hPopup, ID_TEST_NOHANDLER) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(StateOf(hPopup, ID_TEST_DISABLED) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    // An update handler without a command handler decides alone: the check mark
    // is set, and enabling is left as it was.
    EXPECT_EQ(StateOf(hPopup, ID_TEST_CHECKED) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));

    Frame()->m_bFrameCmdEnabled = FALSE;
    OpenTestMenu(Frame());
    EXPECT_EQ(StateOf(hPopup, ID_TEST_FRAMECMD) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
}

TEST_F(DocViewTest, DisabledCommandsFromMenusAndKeysAreRefused)
{
    Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED, 1));  // as an accelerator sends it
    Frame()->m_bFrameCmdEnabled = FALSE;
    Frame()->SendMessage(WM_COMMAND, ID_TEST_FRAMECMD);
    EXPECT_TRUE(g_handled.empty());
}

TEST_F(DocViewTest, AcceleratorsOfTheFrameReachTheRoute)
{
    MSG msg = {Frame()->GetActiveView()->m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
    EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    EXPECT_EQ(g_handled, (std::vector<std::string>{"frame:frame"}));
}

TEST_F(DocViewTest, SessionEndAsksToSaveThenEndsWithoutAnotherQuestion)
{
    Doc()->SetModifiedFlag();
    {
        harness::ModalDriver driver;  // Yes, then Save As cancelled: the session may not end
        driver.ExpectMessageBox("Save changes to Untitled?").Click(IDYES);
        driver.ExpectDialog("Save As").Click(IDCANCEL);
        EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
        EXPECT_TRUE(driver.AllAnswered());
    }
    HWND hFrame = Frame()->m_hWnd;
    harness::ModalDriver driver;  // no answers: any question fails the test
    Frame()->SendMessage(WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(hFrame));
    Doc()->SetModifiedFlag();
    Frame()->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}
