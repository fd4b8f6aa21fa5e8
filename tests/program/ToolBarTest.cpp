// The flat toolbar in a recording parent window, checked by the pixels a user sees.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "Canvas.h"
#include "app/resource.h"
#include "harness/MessageRecorder.h"
#include "harness/ProgramDriver.h"
#include "toolbar/ToolBarEx.h"

namespace {

// Opens the painting to the tests; a button is enabled unless its id is in m_disabled.
class CTestToolBar : public CToolBarEx {
public:
    using CToolBarEx::DrawButtons;
    std::set<UINT> m_disabled;

protected:
    afx_msg void OnUpdateButton(CCmdUI* pCmdUI) { pCmdUI->Enable(m_disabled.count(pCmdUI->m_nID) == 0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestToolBar, CToolBarEx)
    ON_UPDATE_COMMAND_UI_RANGE(1, 0xFFFF, &CTestToolBar::OnUpdateButton)
END_MESSAGE_MAP()

const COLORREF kUntouched = MemoryCanvas::kUntouched;
const CPoint kAway(-100, -100);

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::SetCursorPos(1200, 1000);
        ::SetForegroundWindow(m_parent.Hwnd());
        ASSERT_TRUE(m_bar.Create(CWnd::FromHandle(m_parent.Hwnd()), WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_MAINFRAME));
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
        m_bar.SetWindowPos(nullptr, 0, 0, size.cx + 40, size.cy, SWP_NOZORDER | SWP_FRAMECHANGED);
        m_bar.UpdateWindow();
    }
    void TearDown() override { m_bar.DestroyWindow(); }

    // The client area painted into a canvas, the pointer at `pointer` (client
    // coordinates); the real pointer stays away from the bar.
    std::unique_ptr<MemoryCanvas> Paint(CPoint pointer = kAway)
    {
        CRect rcClient;
        m_bar.GetClientRect(&rcClient);
        auto canvas = std::make_unique<MemoryCanvas>(rcClient.Width(), rcClient.Height());
        HIMAGELIST hImageList = m_bar.GetImageList();
        m_bar.DrawButtons(canvas->DC(), hImageList, rcClient, pointer);
        if (m_bar.m_bDeleteImgList) ImageList_Destroy(hImageList);
        return canvas;
    }
    CRect ItemRect(UINT nID) const
    {
        CRect rect;
        m_bar.GetItemRect(m_bar.CommandToIndex(nID), &rect);
        return rect;
    }
    void SetState(UINT nID, UINT nState) { m_bar.GetToolBarCtrl().SetState(static_cast<int>(nID), nState); }
    void MoveTo(CPoint pt) { m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); }
    // Whether the area waiting to be painted is exactly the bounds of these buttons.
    bool OnlyTheseWaitForPaint(const std::vector<UINT>& ids)
    {
        CRect rcExpected, rcUpdate;
        for (UINT nID : ids) {
            CRect rc = ItemRect(nID);
            rcExpected.UnionRect(&rcExpected, &rc);
        }
        m_bar.GetUpdateRect(&rcUpdate, FALSE);
        return rcUpdate == rcExpected;
    }

    harness::MessageRecorder m_parent;
    CTestToolBar m_bar;
};

// In changed system colours: flat, raised when hot, down dithered unless hot, disabled embossed.
TEST_F(ToolBarTest, ButtonsShowTheirStateInTheCurrentSystemColours)
{
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT};
    const COLORREF face = RGB(200, 220, 240), light = RGB(250, 250, 190), dark = RGB(90, 60, 30);
    const COLORREF changed[] = {face, light, dark, RGB(210, 230, 250)};
    COLORREF saved[4];
    for (int i = 0; i < 4; ++i) saved[i] = ::GetSysColor(elements[i]);
    ::SetSysColors(4, elements, changed);
    m_bar.SendMessage(WM_SYSCOLORCHANGE);
    const struct {
        UINT nState;
        bool bHot;
        COLORREF topLeft, bottomRight;
        bool bDither, bEmbossed;
    } cases[] = {
        {TBSTATE_ENABLED, false, face, face, false, false},
        {TBSTATE_ENABLED, true, light, dark, false, false},
        {TBSTATE_ENABLED | TBSTATE_CHECKED, false, dark, light, true, false},
        {TBSTATE_ENABLED | TBSTATE_PRESSED, true, dark, light, false, false},
        {0, true, face, face, false, true},
        {TBSTATE_CHECKED, false, dark, light, false, true},
    };
    const CRect rc = ItemRect(ID_ENTRY_DELETE), rcNew = ItemRect(ID_FILE_NEW);
    CRect rcInside = rc;
    rcInside.DeflateRect(1, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "state " << c.nState << (c.bHot ? " hot" : ""));
        SetState(ID_ENTRY_DELETE, c.nState);
        auto canvas = Paint(c.bHot ? rc.CenterPoint() : kAway);
        EXPECT_EQ(canvas->Pixel(rc.left, rc.CenterPoint().y), c.topLeft);
        EXPECT_EQ(canvas->Pixel(rc.left + 5, rc.top), c.topLeft);
        EXPECT_EQ(canvas->Pixel(rc.right - 1, rc.CenterPoint().y), c.bottomRight);
        EXPECT_EQ(canvas->Pixel(rc.left + 5, rc.bottom - 1), c.bottomRight);
        EXPECT_TRUE(canvas->AllPixels(CRect(rcNew.left, rcNew.top, rcNew.right, rcNew.top + 3), face));
        const std::set<COLORREF> corner = {canvas->Pixel(rc.left + 2, rc.top + 2),
                                           canvas->Pixel(rc.left + 3, rc.top + 2)};
        EXPECT_EQ(corner == (std::set<COLORREF>{face, light}), c.bDither);
        const int nShadow = canvas->Count(dark, rcInside);
        const int nThree = canvas->Count(face, rcInside) + canvas->Count(light, rcInside) + nShadow;
        EXPECT_EQ(nShadow > 20 && nThree == rcInside.Width() * rcInside.Height(), c.bEmbossed);
    }
    ::SetSysColors(4, elements, saved);
}

// What the buttons leave is erased in the face colour, whatever the parent's background.
TEST_F(ToolBarTest, BarBackgroundIsTheFaceWhateverTheParents)
{
    LONG_PTR hOldBrush = ::SetClassLongPtrA(m_parent.Hwnd(), GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
    MemoryCanvas canvas(40, 30);
    m_bar.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.DC()->m_hDC));
    ::SetClassLongPtrA(m_parent.Hwnd(), GCLP_HBRBACKGROUND, hOldBrush);
    EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 40, 30), m_bar.m_clrBtnFace));
}

// A separator a button wide is etched, a wider one a gap; a docked bar has a gripper and room for it.
TEST_F(ToolBarTest, SeparatorsAndGripperAlongTheBar)
{
    for (int nWidth : {8, 9}) {
        MemoryCanvas canvas(60, 40);
        CRect rect(40, 2, 40 + nWidth, 24);
        m_bar.DrawSeparator(canvas.DC(), rect);
        EXPECT_EQ(canvas.Pixel(43, 12), nWidth > 8 ? kUntouched : m_bar.m_clrBtnShadow);
        EXPECT_EQ(canvas.Pixel(44, 12), nWidth > 8 ? kUntouched : m_bar.m_clrBtnHilight);
    }
    CToolBar plain;  // where a plain toolbar has its client area
    ASSERT_TRUE(plain.Create(CWnd::FromHandle(m_parent.Hwnd()), WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    for (bool bFloating : {false, true}) {
        m_bar.m_dwStyle = plain.m_dwStyle = CBRS_ALIGN_TOP | (bFloating ? CBRS_FLOATING : 0);
        for (CWnd* pBar : {static_cast<CWnd*>(&m_bar), static_cast<CWnd*>(&plain)})
            pBar->SetWindowPos(nullptr, 0, 0, 100, 40, SWP_NOZORDER | SWP_FRAMECHANGED);
        MemoryCanvas canvas(100, 40);
        m_bar.DrawGripper(canvas.DC());
        EXPECT_EQ(canvas.AllPixels(CRect(0, 0, 100, 40), kUntouched), bFloating);
        if (bFloating) continue;
        for (int x : {4, 7}) {  // two raised bars 3 pixels thick
            EXPECT_EQ(canvas.Pixel(x, 20), m_bar.m_clrBtnHilight);
            EXPECT_EQ(canvas.Pixel(x + 2, 20), m_bar.m_clrBtnShadow);
        }
        CPoint ptEx(0, 0), ptPlain(0, 0);
        m_bar.ClientToScreen(&ptEx);
        plain.ClientToScreen(&ptPlain);
        EXPECT_EQ(ptEx - ptPlain, CSize(4, 0));
    }
    plain.DestroyWindow();
}

// The pointer lights enabled buttons only, repainting just the buttons that change.
TEST_F(ToolBarTest, PointerLightsEnabledButtonsRepaintingOnlyThoseThatChange)
{
    SetState(ID_ENTRY_DELETE, 0);
    CRect rcLast = ItemRect(ID_OPTIONS_AUTOSIZE);
    const struct {
        const char* where;
        CPoint point;
        int nHot;
        std::vector<UINT> repainted;
    } moves[] = {
        {"New", ItemRect(ID_FILE_NEW).CenterPoint(), 0, {ID_FILE_NEW}},
        {"New again", ItemRect(ID_FILE_NEW).CenterPoint() + CSize(2, 2), 0, {}},
        {"Open", ItemRect(ID_FILE_OPEN).CenterPoint(), 1, {ID_FILE_NEW, ID_FILE_OPEN}},
        {"separator", CPoint(ItemRect(ID_FILE_SAVE).right + 2, rcLast.top + 5), -1, {ID_FILE_OPEN}},
        {"disabled Delete", ItemRect(ID_ENTRY_DELETE).CenterPoint(), -1, {}},
        {"Export", ItemRect(ID_FILE_EXPORT).CenterPoint(), 5, {ID_FILE_EXPORT}},
        {"empty bar", CPoint(rcLast.right + 10, rcLast.top + 5), -1, {ID_FILE_EXPORT}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.where);
        m_bar.ValidateRect(nullptr);
        MoveTo(move.point);
        EXPECT_EQ(m_bar.m_nLastBtn, move.nHot);
        EXPECT_TRUE(OnlyTheseWaitForPaint(move.repainted));
    }
}

// The raised edge goes at the timer's next tick after the pointer left the bar unseen.
TEST_F(ToolBarTest, HotTrackingEndsSoonAfterThePointerLeaves)
{
    const CRect rcNew = ItemRect(ID_FILE_NEW);
    auto leftEdge = [&] {
        m_bar.UpdateWindow();
        return ::GetPixel(CClientDC(&m_bar), rcNew.left, rcNew.top + 5);
    };
    CPoint ptScreen = rcNew.CenterPoint();
    m_bar.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    MoveTo(rcNew.CenterPoint());
    harness::WaitUntil([] { return false; }, 600);
    EXPECT_EQ(m_bar.m_nLastBtn, 0);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnHilight);
    ::SetCursorPos(1200, 1000);  // straight off the bar: no mouse message reaches it
    DWORD dwLeft = ::GetTickCount();
    EXPECT_TRUE(harness::WaitUntil([&] { return m_bar.m_nLastBtn == -1; }, 1000, 5));
    EXPECT_LE(::GetTickCount() - dwLeft, 400u);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnFace);
}

// A click sends the button's command to the parent.
TEST_F(ToolBarTest, ClickSendsTheButtonsCommand)
{
    const CPoint pt = ItemRect(ID_FILE_OPEN).CenterPoint();
    m_parent.Clear();
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_parent.Commands(), (std::vector<std::pair<UINT, UINT>>{{ID_FILE_OPEN, BN_CLICKED}}));
}

}  // namespace
