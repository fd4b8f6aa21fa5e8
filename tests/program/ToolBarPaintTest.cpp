// Flat painting checked by the pixels a user sees: faces and edges, the dither of
// checked buttons, embossed disabled images, etched separators, the gripper and
// the room made for it, and images from the toolbar bitmap.
#include "ToolBarFixture.h"

#include "app/resource.h"

TEST_F(ToolBarTest, EnabledButtonsAreFlatUntilThePointerRaisesOne)
{
    CRect rcNew = ItemRect(ID_FILE_NEW);
    CRect rcOpen = ItemRect(ID_FILE_OPEN);
    auto flat = Paint();
    EXPECT_TRUE(flat->AllPixels(CRect(rcNew.left, rcNew.top, rcNew.right, rcNew.top + 3), m_bar.m_clrBtnFace));
    EXPECT_EQ(flat->Pixel(LeftEdge(rcOpen)), m_bar.m_clrBtnFace);

    auto hot = Paint(rcOpen.CenterPoint());
    EXPECT_EQ(hot->Pixel(LeftEdge(rcOpen)), m_bar.m_clrBtnHilight);
    EXPECT_EQ(hot->Pixel(rcOpen.left + 5, rcOpen.top), m_bar.m_clrBtnHilight);
    EXPECT_EQ(hot->Pixel(RightEdge(rcOpen)), m_bar.m_clrBtnShadow);
    EXPECT_EQ(hot->Pixel(rcOpen.left + 5, rcOpen.bottom - 1), m_bar.m_clrBtnShadow);
    EXPECT_EQ(hot->Pixel(LeftEdge(rcNew)), m_bar.m_clrBtnFace);
}

TEST_F(ToolBarTest, BarBackgroundIsTheFaceWhateverTheParents)
{
    // What the buttons leave (the separators' sides, the bar's end, the non-client
    // room) is erased in the face colour, also in a parent of another background.
    LONG_PTR hOldBrush = ::SetClassLongPtrA(m_parent->Hwnd(), GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
    MemoryCanvas canvas(40, 30);
    m_bar.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.DC()->m_hDC));
    ::SetClassLongPtrA(m_parent->Hwnd(), GCLP_HBRBACKGROUND, hOldBrush);
    EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 40, 30), m_bar.m_clrBtnFace));
}

TEST_F(ToolBarTest, DownButtonsAreSunkenAndDitheredWhenNotHot)
{
    CRect rc = ItemRect(ID_FILE_SAVE);
    for (UINT nDown : {TBSTATE_CHECKED, TBSTATE_PRESSED}) {
        for (bool bHot : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "state " << nDown << (bHot ? " hot" : ""));
            SetState(ID_FILE_SAVE, TBSTATE_ENABLED | nDown);
            auto canvas = Paint(bHot ? rc.CenterPoint() : CPoint(-100, -100));
            EXPECT_EQ(canvas->Pixel(LeftEdge(rc)), m_bar.m_clrBtnShadow);
            EXPECT_EQ(canvas->Pixel(RightEdge(rc)), m_bar.m_clrBtnHilight);
            // Above the image: a face frame one pixel in, then a checkerboard of
            // highlight and face, or plain face when hot.
            EXPECT_EQ(canvas->Pixel(rc.left + 1, rc.top + 2), m_bar.m_clrBtnFace);
            COLORREF a = canvas->Pixel(rc.left + 2, rc.top + 2);
            COLORREF right = canvas->Pixel(rc.left + 3, rc.top + 2);
            COLORREF below = canvas->Pixel(rc.left + 2, rc.top + 3);
            if (bHot) {
                EXPECT_TRUE(a == m_bar.m_clrBtnFace && right == a && below == a);
            } else {
                EXPECT_TRUE(a == m_bar.m_clrBtnFace || a == m_bar.m_clrBtnHilight);
                EXPECT_TRUE(right != a && below != a && (right == m_bar.m_clrBtnFace || right == m_bar.m_clrBtnHilight));
            }
        }
    }
}

TEST_F(ToolBarTest, DisabledImageIsEmbossedInShadowOverHighlight)
{
    CRect rc = ItemRect(ID_ENTRY_DELETE);
    auto enabled = Paint();
    SetState(ID_ENTRY_DELETE, 0);
    auto disabled = Paint(rc.CenterPoint());   // under the pointer, and still no edge
    EXPECT_EQ(disabled->Pixel(LeftEdge(rc)), m_bar.m_clrBtnFace);

    // The image's own pixels (neither face nor highlight) form the mask: shadow
    // where it is set, highlight one pixel down and right of it, face elsewhere.
    auto mask = [&](int x, int y) {
        COLORREF c = enabled->Pixel(x, y);
        return c != m_bar.m_clrBtnFace && c != m_bar.m_clrBtnHilight;
    };
    int nShadow = 0;
    for (int y = rc.top + 1; y < rc.bottom - 1; ++y) {
        for (int x = rc.left + 1; x < rc.right - 1; ++x) {
            COLORREF expected = mask(x, y)             ? m_bar.m_clrBtnShadow
                                : mask(x - 1, y - 1)   ? m_bar.m_clrBtnHilight
                                                       : m_bar.m_clrBtnFace;
            ASSERT_EQ(disabled->Pixel(x, y), expected) << "at " << x - rc.left << "," << y - rc.top;
            nShadow += mask(x, y);
        }
    }
    EXPECT_GT(nShadow, 20);

    // A disabled down button keeps its sunken edge around the embossing.
    SetState(ID_ENTRY_DELETE, TBSTATE_CHECKED);
    auto down = Paint();
    EXPECT_EQ(down->Pixel(LeftEdge(rc)), m_bar.m_clrBtnShadow);
    EXPECT_EQ(down->Pixel(RightEdge(rc)), m_bar.m_clrBtnHilight);
}

TEST_F(ToolBarTest, SeparatorsAreEtchedLinesAcrossTheBar)
{
    struct Case {
        DWORD dwAlign;
        BOOL bHorz;
        CPoint ptShadow;   // the line's dark half; its light half is one pixel right or down
    };
    // Horizontal bar: down the middle of the separator. Vertical bar: below it, a
    // button wide, to its left, where the buttons of a wrapped bar stand.
    const Case cases[] = {{CBRS_ALIGN_TOP, TRUE, CPoint(43, 12)}, {CBRS_ALIGN_LEFT, FALSE, CPoint(20, 25)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bHorz ? "horizontal" : "vertical");
        m_bar.m_dwStyle = (m_bar.m_dwStyle & ~CBRS_ALIGN_ANY) | c.dwAlign;
        for (int nWidth : {8, 9}) {
            MemoryCanvas canvas(60, 40);
            CRect rect(40, 2, 40 + nWidth, 24);
            EXPECT_EQ(m_bar.DrawSeparator(canvas.DC(), rect), c.bHorz);
            if (nWidth > 8) {   // a gap, not a line
                EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 60, 40), kUntouched));
                continue;
            }
            EXPECT_EQ(canvas.Pixel(c.ptShadow), m_bar.m_clrBtnShadow);
            EXPECT_EQ(canvas.Pixel(c.ptShadow + (c.bHorz ? CSize(1, 0) : CSize(0, 1))), m_bar.m_clrBtnHilight);
        }
    }
}

TEST_F(ToolBarTest, DockedBarShowsAGripperInRoomBesideTheButtons)
{
    struct Case {
        DWORD dwStyle;
        DWORD dwDockStyle;
        bool bGripper;
    };
    const Case cases[] = {
        {CBRS_ALIGN_TOP, CBRS_ALIGN_ANY, true},
        {CBRS_ALIGN_LEFT, CBRS_ALIGN_ANY, true},
        {CBRS_ALIGN_TOP | CBRS_FLOATING, CBRS_ALIGN_ANY, false},
        {CBRS_ALIGN_TOP, 0, false},
    };
    CToolBar plain;   // where a plain toolbar has its client area
    ASSERT_TRUE(plain.Create(CWnd::FromHandle(m_parent->Hwnd()), WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.dwStyle << " docking " << c.dwDockStyle);
        bool bHorz = (c.dwStyle & CBRS_ALIGN_TOP) != 0;
        m_bar.m_dwStyle = plain.m_dwStyle = c.dwStyle;
        m_bar.m_dwDockStyle = c.dwDockStyle;
        for (CWnd* pBar : {static_cast<CWnd*>(&m_bar), static_cast<CWnd*>(&plain)})
            pBar->SetWindowPos(nullptr, 0, 0, 100, 40, SWP_NOZORDER | SWP_FRAMECHANGED);
        MemoryCanvas canvas(100, 40);
        m_bar.DrawGripper(canvas.DC());
        if (!c.bGripper) {
            EXPECT_TRUE(canvas.AllPixels(CRect(0, 0, 100, 40), kUntouched));
            continue;
        }
        // Two raised bars 3 pixels thick, 4 pixels in from the leading edges.
        for (int nNear : {4, 7}) {
            EXPECT_EQ(canvas.Pixel(bHorz ? CPoint(nNear, 20) : CPoint(50, nNear)), m_bar.m_clrBtnHilight);
            EXPECT_EQ(canvas.Pixel(bHorz ? CPoint(nNear + 2, 20) : CPoint(50, nNear + 2)), m_bar.m_clrBtnShadow);
        }
        // The client area moved past the gripper, 4 pixels across or 6 down.
        CPoint ptEx(0, 0);
        CPoint ptPlain(0, 0);
        m_bar.ClientToScreen(&ptEx);
        plain.ClientToScreen(&ptPlain);
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
                COLORREF expected = fromControl->Pixel(x, y);
                if (expected != m_bar.m_clrBtnFace) {
                    ASSERT_EQ(fromBitmap->Pixel(x, y), expected) << x << "," << y;
                }
            }
        }
    }
    m_bar.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hOwn));
}
