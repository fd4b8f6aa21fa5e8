// Hot tracking: the button under the pointer lights while the application is
// active, the edge moves with the pointer and goes at the timer's next tick after
// the pointer has left the bar; clicks still reach the control.
#include "ToolBarFixture.h"

#include "app/resource.h"
#include "harness/WaitUntil.h"

namespace {

void MoveOver(CWnd& bar, CPoint point)
{
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

}  // namespace

TEST_F(ToolBarTest, HotButtonFollowsMovesOverEnabledButtonsOnly)
{
    SetState(ID_ENTRY_DELETE, 0);
    CRect rcLast = ItemRect(ID_OPTIONS_AUTOSIZE);
    struct Step {
        const char* where;
        CPoint point;
        int nHot;
        std::vector<UINT> repainted;
    };
    const Step steps[] = {
        {"New", ItemRect(ID_FILE_NEW).CenterPoint(), 0, {ID_FILE_NEW}},
        {"New again", ItemRect(ID_FILE_NEW).CenterPoint() + CSize(2, 2), 0, {}},
        {"Open", ItemRect(ID_FILE_OPEN).CenterPoint(), 1, {ID_FILE_NEW, ID_FILE_OPEN}},
        {"separator", CPoint(ItemRect(ID_FILE_SAVE).right + 2, rcLast.top + 5), -1, {ID_FILE_OPEN}},
        {"disabled Delete", ItemRect(ID_ENTRY_DELETE).CenterPoint(), -1, {}},
        {"Export", ItemRect(ID_FILE_EXPORT).CenterPoint(), 5, {ID_FILE_EXPORT}},
        {"empty bar", CPoint(rcLast.right + 10, rcLast.top + 5), -1, {ID_FILE_EXPORT}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.where);
        m_bar.ValidateRect(nullptr);
        MoveOver(m_bar, step.point);
        EXPECT_EQ(m_bar.m_nLastBtn, step.nHot);
        EXPECT_TRUE(OnlyTheseWaitForPaint(step.repainted));
        EXPECT_EQ(m_bar.m_uTimerID, 1u);
    }
}

TEST_F(ToolBarTest, EdgeGoesAtTheTickAfterThePointerLeftTheBar)
{
    CRect rcNew = ItemRect(ID_FILE_NEW);
    auto leftEdge = [&] {
        m_bar.UpdateWindow();
        return ::GetPixel(CClientDC(&m_bar), rcNew.left, rcNew.top + 5);
    };
    CPoint ptScreen = rcNew.CenterPoint();
    m_bar.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    MoveOver(m_bar, rcNew.CenterPoint());
    ASSERT_EQ(m_bar.m_nLastBtn, 0);
    // While the pointer stays on the bar, the ticks keep the button hot and raised.
    harness::WaitUntil([] { return false; }, 600);
    EXPECT_EQ(m_bar.m_nLastBtn, 0);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnHilight);

    ::SetCursorPos(1200, 1000);   // straight off the bar: no mouse message reaches it
    DWORD dwLeft = ::GetTickCount();
    EXPECT_TRUE(harness::WaitUntil([&] { return m_bar.m_nLastBtn == -1; }, 1000, 5));
    EXPECT_LE(::GetTickCount() - dwLeft, 400u);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnFace);
}

TEST_F(ToolBarTest, NothingLightsWhileTheApplicationIsInactiveOrDisabled)
{
    CRect rcOpen = ItemRect(ID_FILE_OPEN);
    auto expectNothingLit = [&] {
        MoveOver(m_bar, rcOpen.CenterPoint());
        EXPECT_EQ(m_bar.m_nLastBtn, -1);
        EXPECT_EQ(Paint(rcOpen.CenterPoint())->Pixel(LeftEdge(rcOpen)), m_bar.m_clrBtnFace);
    };
    harness::MessageRecorder other;
    ::SetWindowPos(other.Hwnd(), nullptr, 600, 500, 200, 100, SWP_NOZORDER);   // not over the bar
    ::SetForegroundWindow(other.Hwnd());
    expectNothingLit();
    ::SetForegroundWindow(m_parent->Hwnd());
    ::EnableWindow(m_parent->Hwnd(), FALSE);   // as a modal dialog does
    expectNothingLit();
    ::EnableWindow(m_parent->Hwnd(), TRUE);
}

TEST_F(ToolBarTest, ClickOnAButtonStillSendsItsCommand)
{
    CPoint pt = ItemRect(ID_FILE_OPEN).CenterPoint();
    m_parent->Record({WM_COMMAND});
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    const harness::ExpectedMessage kClicked[] = {harness::CommandFrom(ID_FILE_OPEN, BN_CLICKED)};
    EXPECT_TRUE(m_parent->Matches(kClicked));
}
