// The flat toolbar in a recording parent window, checked by the pixels a user sees
// (faces and edges by button state, embossed disabled images, etched separators,
// the gripper and the room made for it, images from the toolbar bitmap, system
// colours), by what it repaints (hot tracking, command updates), and by what its
// parent is told (custom draw, commands).
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "Canvas.h"
#include "app/resource.h"
#include "harness/MessageRecorder.h"
#include "harness/ProgramDriver.h"
#include "toolbar/ToolBarEx.h"

namespace {

// Opens the painting to the tests, and answers every button's command-UI update
// itself: enabled unless its id is in m_disabled.
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

// A button's left and right edge pixels, half way down.
CPoint LeftEdge(const CRect& rc) { return CPoint(rc.left, rc.top + rc.Height() / 2); }
CPoint RightEdge(const CRect& rc) { return CPoint(rc.right - 1, rc.top + rc.Height() / 2); }

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
    std::unique_ptr<MemoryCanvas> Paint(CPoint pointer = CPoint(-100, -100))
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
    // TRUE when exactly these buttons wait to be painted.
    bool OnlyTheseWaitForPaint(const std::vector<UINT>& ids)
    {
        HRGN hExpected = ::CreateRectRgn(0, 0, 0, 0), hUpdate = ::CreateRectRgn(0, 0, 0, 0);
        for (UINT nID : ids) {
            CRect rc = ItemRect(nID);
            HRGN hButton = ::CreateRectRgnIndirect(&rc);
            ::CombineRgn(hExpected, hExpected, hButton, RGN_OR);
            ::DeleteObject(hButton);
        }
        ::GetUpdateRgn(m_bar.m_hWnd, hUpdate, FALSE);
        bool bEqual = ::EqualRgn(hExpected, hUpdate) != FALSE;
        ::DeleteObject(hExpected);
        ::DeleteObject(hUpdate);
        return bEqual;
    }

    harness::MessageRecorder m_parent;
    CTestToolBar m_bar;
};

// Flat until the pointer raises one; down buttons sunken, dithered in highlight
// and face unless hot; disabled buttons never get an edge, even under the pointer.
TEST_F(ToolBarTest, FacesAndEdgesFollowTheButtonsState)
{
    const COLORREF face = m_bar.m_clrBtnFace, light = m_bar.m_clrBtnHilight, dark = m_bar.m_clrBtnShadow;
    const struct {
        UINT nState;
        bool bHot;
        COLORREF left, right;
        bool bDither;  // above the image, inside a face frame one pixel wide
    } cases[] = {
        {TBSTATE_ENABLED, false, face, face, false},
        {TBSTATE_ENABLED, true, light, dark, false},
        {TBSTATE_ENABLED | TBSTATE_CHECKED, false, dark, light, true},
        {TBSTATE_ENABLED | TBSTATE_PRESSED, false, dark, light, true},
        {TBSTATE_ENABLED | TBSTATE_CHECKED, true, dark, light, false},
        {TBSTATE_ENABLED | TBSTATE_PRESSED, true, dark, light, false},
        {0, true, face, face, false},
        {TBSTATE_CHECKED, false, dark, light, true},
    };
    CRect rc = ItemRect(ID_FILE_SAVE), rcNew = ItemRect(ID_FILE_NEW);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "state " << c.nState << (c.bHot ? " hot" : ""));
        SetState(ID_FILE_SAVE, c.nState);
        auto canvas = Paint(c.bHot ? rc.CenterPoint() : CPoint(-100, -100));
        EXPECT_EQ(canvas->Pixel(LeftEdge(rc)), c.left);
        EXPECT_EQ(canvas->Pixel(RightEdge(rc)), c.right);
        EXPECT_EQ(canvas->Pixel(LeftEdge(rcNew)), face);
        EXPECT_TRUE(canvas->AllPixels(CRect(rcNew.left, rcNew.top, rcNew.right, rcNew.top + 3), face));
        if (c.nState == TBSTATE_ENABLED) {  // the raised edge's top and bottom
            EXPECT_EQ(canvas->Pixel(rc.left + 5, rc.top), c.left);
            EXPECT_EQ(canvas->Pixel(rc.left + 5, rc.bottom - 1), c.right);
        }
        if (c.left == face || !(c.nState & TBSTATE_ENABLED)) continue;
        EXPECT_EQ(canvas->Pixel(rc.left + 1, rc.top + 2), face);
        COLORREF a = canvas->Pixel(rc.left + 2, rc.top + 2), right = canvas->Pixel(rc.left + 3, rc.top + 2),
                 below = canvas->Pixel(rc.left + 2, rc.top + 3);
        EXPECT_TRUE(a == face || (c.bDither && a == light));
        EXPECT_EQ(right != a && below != a, c.bDither);
        EXPECT_TRUE(right == face || right == light);
    }
}

TEST_F(ToolBarTest, DisabledImageIsEmbossedInShadowOverHighlight)
{
    CRect rc = ItemRect(ID_ENTRY_DELETE);
    auto enabled = Paint();
    SetState(ID_ENTRY_DELETE, 0);
    auto disabled = Paint();
    // The image's own pixels (neither face nor highlight) form the mask: shadow
    // where it is set, highlight one pixel down and right of it, face elsewhere.
    auto mask = [&](int x, int y) {
        COLORREF c = enabled->Pixel(x, y);
        return c != m_bar.m_clrBtnFace && c != m_bar.m_clrBtnHilight;
    };
    int nShadow = 0;
    for (int y = rc.top + 1; y < rc.bottom - 1; ++y) {
        for (int x = rc.left + 1; x < rc.right - 1; ++x) {
            COLORREF expected = mask(x, y)           ? m_bar.m_clrBtnShadow
                                : mask(x - 1, y - 1) ? m_bar.m_clrBtnHilight
                                                     : m_bar.m_clrBtnFace;
            ASSERT_EQ(disabled->Pixel(x, y), expected) << "at " << x - rc.left << "," << y - rc.top;
            nShadow += mask(x, y);
        }
    }
    EXPECT_GT(nShadow, 20);
}

TEST_F(ToolBarTest, BarBackgroundIsTheFaceWhateverTheParents)
{
    // What the buttons leave (the separators' sides, the bar's end, the non-client
    // room) is erased in the face colour, also in a parent of another background.
    LONG_PTR hOldBrush = ::SetClassLongPtrA(m_parent.Hwnd(), GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
    MemoryCanvas canvas(40, 30);
    m_bar.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.DC()->m_hDC));
    ::SetClassLongPtrA(m_parent.Hwnd(), GCLP_HBRBACKGROUND, hOldBrush);
    EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 40, 30), m_bar.m_clrBtnFace));
}

// Separators: an etched line down the middle of a horizontal bar's separator, or
// below a vertical bar's, a button wide; a wider one is a gap. The gripper: two
// raised bars 3 pixels thick, 4 pixels in from the leading edge of a docked bar,
// whose client area moves past it (4 pixels across or 6 down); none when floating
// or not dockable.
TEST_F(ToolBarTest, SeparatorsAndGripperAlongTheBar)
{
    CToolBar plain;  // where a plain toolbar has its client area
    ASSERT_TRUE(plain.Create(CWnd::FromHandle(m_parent.Hwnd()), WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    const struct {
        DWORD dwStyle, dwDockStyle;
        bool bGripper;
    } cases[] = {{CBRS_ALIGN_TOP, CBRS_ALIGN_ANY, true},
                 {CBRS_ALIGN_LEFT, CBRS_ALIGN_ANY, true},
                 {CBRS_ALIGN_TOP | CBRS_FLOATING, CBRS_ALIGN_ANY, false},
                 {CBRS_ALIGN_TOP, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.dwStyle << " docking " << c.dwDockStyle);
        const bool bHorz = (c.dwStyle & CBRS_ALIGN_TOP) != 0;
        m_bar.m_dwStyle = plain.m_dwStyle = c.dwStyle;
        m_bar.m_dwDockStyle = c.dwDockStyle;
        for (int nWidth : {8, 9}) {
            MemoryCanvas canvas(60, 40);
            CRect rect(40, 2, 40 + nWidth, 24);
            EXPECT_EQ(m_bar.DrawSeparator(canvas.DC(), rect), bHorz);
            const CPoint ptShadow = bHorz ? CPoint(43, 12) : CPoint(20, 25);
            EXPECT_EQ(canvas.Pixel(ptShadow), nWidth > 8 ? kUntouched : m_bar.m_clrBtnShadow);
            EXPECT_EQ(canvas.Pixel(ptShadow + (bHorz ? CSize(1, 0) : CSize(0, 1))),
                      nWidth > 8 ? kUntouched : m_bar.m_clrBtnHilight);
        }
        for (CWnd* pBar : {static_cast<CWnd*>(&m_bar), static_cast<CWnd*>(&plain)})
            pBar->SetWindowPos(nullptr, 0, 0, 100, 40, SWP_NOZORDER | SWP_FRAMECHANGED);
        MemoryCanvas canvas(100, 40);
        m_bar.DrawGripper(canvas.DC());
        CPoint ptEx(0, 0), ptPlain(0, 0);
        m_bar.ClientToScreen(&ptEx);
        plain.ClientToScreen(&ptPlain);
        if (!c.bGripper) {
            EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 100, 40), kUntouched));
            continue;
        }
        for (int nNear : {4, 7}) {
            EXPECT_EQ(canvas.Pixel(bHorz ? CPoint(nNear, 20) : CPoint(50, nNear)), m_bar.m_clrBtnHilight);
            EXPECT_EQ(canvas.Pixel(bHorz ? CPoint(nNear + 2, 20) : CPoint(50, nNear + 2)), m_bar.m_clrBtnShadow);
        }
        EXPECT_EQ(ptEx - ptPlain, bHorz ? CSize(4, 0) : CSize(0, 6));
        CRect rcBar;
        m_bar.GetWindowRect(&rcBar);
        EXPECT_GE(bHorz ? ptEx.x - rcBar.left : ptEx.y - rcBar.top, 10);
    }
    plain.DestroyWindow();
}

TEST_F(ToolBarTest, ImagesComeFromTheToolbarBitmapWhenTheControlHasNoList)
{
    auto fromControl = Paint();
    EXPECT_FALSE(m_bar.m_bDeleteImgList);
    HIMAGELIST hOwn = reinterpret_cast<HIMAGELIST>(m_bar.SendMessage(TB_SETIMAGELIST, 0, 0));
    auto fromBitmap = Paint();
    EXPECT_TRUE(m_bar.m_bDeleteImgList);
    // The images' own pixels in the same colours (without a list the control made
    // its buttons lower, so only the images are compared).
    for (UINT nID : {ID_FILE_OPEN, ID_FILE_SAVE}) {
        CRect rcImage(ItemRect(nID).TopLeft() + m_bar.m_sizeOffset, m_bar.m_sizeImage);
        for (int y = rcImage.top; y < rcImage.bottom; ++y) {
            for (int x = rcImage.left; x < rcImage.right; ++x) {
                if (fromControl->Pixel(x, y) != m_bar.m_clrBtnFace) {
                    ASSERT_EQ(fromBitmap->Pixel(x, y), fromControl->Pixel(x, y)) << x << "," << y;
                }
            }
        }
    }
    m_bar.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hOwn));
}

TEST_F(ToolBarTest, NextPaintUsesTheNewSystemColours)
{
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT};
    const COLORREF changed[] = {RGB(200, 220, 240), RGB(250, 250, 190), RGB(90, 60, 30), RGB(210, 230, 250)};
    COLORREF saved[4];
    for (int i = 0; i < 4; ++i) saved[i] = ::GetSysColor(elements[i]);
    ::SetSysColors(4, elements, changed);
    m_bar.SendMessage(WM_SYSCOLORCHANGE);
    SetState(ID_FILE_SAVE, TBSTATE_ENABLED | TBSTATE_CHECKED);
    SetState(ID_ENTRY_DELETE, 0);
    CRect rcOpen = ItemRect(ID_FILE_OPEN), rcSave = ItemRect(ID_FILE_SAVE);
    auto canvas = Paint(rcOpen.CenterPoint());
    ::SetSysColors(4, elements, saved);

    EXPECT_EQ(canvas->Pixel(rcOpen.left + 5, rcOpen.top + 1), changed[0]);  // face
    EXPECT_EQ(canvas->Pixel(LeftEdge(rcOpen)), changed[1]);                 // raised edge
    EXPECT_EQ(canvas->Pixel(RightEdge(rcOpen)), changed[2]);
    std::set<COLORREF> dither = {canvas->Pixel(rcSave.left + 2, rcSave.top + 2),
                                 canvas->Pixel(rcSave.left + 3, rcSave.top + 2)};
    EXPECT_EQ(dither, (std::set<COLORREF>{changed[0], changed[1]}));
    EXPECT_GT(canvas->Count(changed[2], ItemRect(ID_ENTRY_DELETE)), 20);  // the embossing's shadow
}

// Moves over enabled buttons light them (repainting only the buttons that change);
// separators, disabled buttons and the empty bar light nothing. Idle-time command
// updates repaint only the buttons whose state changed.
TEST_F(ToolBarTest, OnlyButtonsThatChangeAreRepainted)
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
        m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(move.point.x, move.point.y));
        EXPECT_EQ(m_bar.m_nLastBtn, move.nHot);
        EXPECT_TRUE(OnlyTheseWaitForPaint(move.repainted));
        EXPECT_EQ(m_bar.m_uTimerID, 1u);
    }
    SetState(ID_ENTRY_DELETE, TBSTATE_ENABLED);
    const struct {
        std::set<UINT> disabled;
        std::vector<UINT> repainted;
    } updates[] = {
        {{}, {}},
        {{ID_ENTRY_DELETE, ID_FILE_EXPORT}, {ID_ENTRY_DELETE, ID_FILE_EXPORT}},
        {{ID_ENTRY_DELETE, ID_FILE_EXPORT}, {}},
        {{ID_ENTRY_DELETE}, {ID_FILE_EXPORT}},
    };
    for (const auto& update : updates) {
        SCOPED_TRACE(update.disabled.size());
        m_bar.m_disabled = update.disabled;
        m_bar.ValidateRect(nullptr);
        m_bar.OnUpdateCmdUI(nullptr, FALSE);
        EXPECT_TRUE(OnlyTheseWaitForPaint(update.repainted));
        EXPECT_EQ(m_bar.GetToolBarCtrl().IsButtonEnabled(ID_FILE_EXPORT) != FALSE,
                  !update.disabled.count(ID_FILE_EXPORT));
    }
}

// The edge stays while the pointer rests on the bar and goes at the timer's next
// tick after it left; nothing lights while the application is inactive or disabled.
TEST_F(ToolBarTest, HotTrackingNeedsThePointerAndAnActiveApplication)
{
    CRect rcNew = ItemRect(ID_FILE_NEW);
    auto leftEdge = [&] {
        m_bar.UpdateWindow();
        return ::GetPixel(CClientDC(&m_bar), rcNew.left, rcNew.top + 5);
    };
    CPoint ptScreen = rcNew.CenterPoint();
    m_bar.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcNew.CenterPoint().x, rcNew.CenterPoint().y));
    ASSERT_EQ(m_bar.m_nLastBtn, 0);
    harness::WaitUntil([] { return false; }, 600);
    EXPECT_EQ(m_bar.m_nLastBtn, 0);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnHilight);
    ::SetCursorPos(1200, 1000);  // straight off the bar: no mouse message reaches it
    DWORD dwLeft = ::GetTickCount();
    EXPECT_TRUE(harness::WaitUntil([&] { return m_bar.m_nLastBtn == -1; }, 1000, 5));
    EXPECT_LE(::GetTickCount() - dwLeft, 400u);
    EXPECT_EQ(leftEdge(), m_bar.m_clrBtnFace);

    harness::MessageRecorder other;
    ::SetWindowPos(other.Hwnd(), nullptr, 600, 500, 200, 100, SWP_NOZORDER);  // not over the bar
    CRect rcOpen = ItemRect(ID_FILE_OPEN);
    for (bool bInactive : {true, false}) {
        ::SetForegroundWindow(bInactive ? other.Hwnd() : m_parent.Hwnd());
        ::EnableWindow(m_parent.Hwnd(), bInactive);  // disabled as by a modal dialog
        m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcOpen.CenterPoint().x, rcOpen.CenterPoint().y));
        EXPECT_EQ(m_bar.m_nLastBtn, -1) << bInactive;
        EXPECT_EQ(Paint(rcOpen.CenterPoint())->Pixel(LeftEdge(rcOpen)), m_bar.m_clrBtnFace) << bInactive;
    }
    ::EnableWindow(m_parent.Hwnd(), TRUE);
}

// The custom-draw notifications of a real paint, and what the parent's answers do:
// hidden buttons and separators are never items, a skipped button is not painted
// and gets no post-paint. A click still sends the button's command.
TEST_F(ToolBarTest, ParentSeesThePaintMaySkipAButtonAndGetsClicks)
{
    SetState(ID_FILE_IMPORT, TBSTATE_ENABLED | TBSTATE_HIDDEN);
    SetState(ID_ENTRY_ADD, TBSTATE_ENABLED | TBSTATE_CHECKED);
    SetState(ID_ENTRY_DELETE, 0);
    const DWORD kPre = CDDS_ITEMPREPAINT, kPost = CDDS_ITEMPOSTPAINT;
    const struct {
        DWORD dwPrePaintAnswer;
        std::vector<std::pair<DWORD, UINT>> expected;  // stage, command id
    } cases[] = {
        {CDRF_DODEFAULT, {{CDDS_PREPAINT, 0}}},
        {CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT,
         {{CDDS_PREPAINT, 0},
          {kPre, ID_FILE_NEW},
          {kPost, ID_FILE_NEW},
          {kPre, ID_FILE_OPEN},
          {kPost, ID_FILE_OPEN},
          {kPre, ID_FILE_SAVE},
          {kPre, ID_FILE_EXPORT},
          {kPost, ID_FILE_EXPORT},
          {kPre, ID_ENTRY_ADD},
          {kPost, ID_ENTRY_ADD},
          {kPre, ID_ENTRY_DELETE},
          {kPost, ID_ENTRY_DELETE},
          {kPre, ID_OPTIONS_AUTOSIZE},
          {kPost, ID_OPTIONS_AUTOSIZE},
          {CDDS_POSTPAINT, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pre-paint answer " << c.dwPrePaintAnswer);
        std::vector<NMCUSTOMDRAW> seen;
        m_parent.AnswerNotify(NM_CUSTOMDRAW, [&](NMHDR* pHdr) -> LRESULT {
            auto* pDraw = reinterpret_cast<NMCUSTOMDRAW*>(pHdr);
            seen.push_back(*pDraw);
            if (pDraw->dwDrawStage == CDDS_PREPAINT) return c.dwPrePaintAnswer;
            if (pDraw->dwDrawStage == kPre)
                return pDraw->dwItemSpec == ID_FILE_SAVE ? CDRF_SKIPDEFAULT : CDRF_NOTIFYPOSTPAINT;
            return CDRF_DODEFAULT;
        });
        // A real paint, not erased, over a colour the bar never uses.
        CRect rcClient;
        m_bar.GetClientRect(&rcClient);
        CClientDC(&m_bar).FillSolidRect(&rcClient, kUntouched);
        m_bar.InvalidateRect(nullptr, FALSE);
        m_bar.UpdateWindow();

        ASSERT_EQ(seen.size(), c.expected.size());
        for (size_t i = 0; i < seen.size(); ++i) {
            const NMCUSTOMDRAW& n = seen[i];
            UINT nID = c.expected[i].second;
            EXPECT_EQ(n.hdr.hwndFrom, m_bar.m_hWnd);
            EXPECT_EQ(n.hdr.idFrom, static_cast<UINT_PTR>(AFX_IDW_TOOLBAR));
            EXPECT_EQ(n.dwDrawStage, c.expected[i].first) << i;
            EXPECT_EQ(n.dwItemSpec, nID) << i;
            if (nID == 0) continue;
            EXPECT_EQ(CRect(n.rc), ItemRect(nID)) << i;
            EXPECT_EQ(n.uItemState, nID == ID_ENTRY_ADD      ? CDIS_CHECKED
                                    : nID == ID_ENTRY_DELETE ? CDIS_DISABLED
                                                             : 0u)
                << i;
        }
        CClientDC dc(&m_bar);
        CRect rcSave = ItemRect(ID_FILE_SAVE);
        int nUntouched = 0;
        for (int y = rcSave.top; y < rcSave.bottom; ++y)
            for (int x = rcSave.left; x < rcSave.right; ++x) nUntouched += ::GetPixel(dc, x, y) == kUntouched;
        EXPECT_EQ(nUntouched, c.dwPrePaintAnswer == CDRF_DODEFAULT ? 0 : rcSave.Width() * rcSave.Height());
        EXPECT_EQ(::GetPixel(dc, ItemRect(ID_FILE_OPEN).left, ItemRect(ID_FILE_OPEN).top), m_bar.m_clrBtnFace);
    }
    m_parent.AnswerNotify(NM_CUSTOMDRAW, [](NMHDR*) -> LRESULT { return CDRF_DODEFAULT; });
    CPoint pt = ItemRect(ID_FILE_OPEN).CenterPoint();
    m_parent.Clear();
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_parent.Commands(), (std::vector<std::pair<UINT, UINT>>{{ID_FILE_OPEN, BN_CLICKED}}));
}

}  // namespace
