#include "ToolBarFixture.h"

#include "app/resource.h"

BEGIN_MESSAGE_MAP(CTestToolBar, CToolBarEx)
    ON_UPDATE_COMMAND_UI_RANGE(1, 0xFFFF, &CTestToolBar::OnUpdateButton)
END_MESSAGE_MAP()

MemoryCanvas::MemoryCanvas(int width, int height)
{
    CClientDC dcScreen(nullptr);
    m_dc.CreateCompatibleDC(&dcScreen);
    m_bitmap.CreateCompatibleBitmap(&dcScreen, width, height);
    m_hOld = m_dc.SelectObject(m_bitmap);
    m_dc.FillSolidRect(0, 0, width, height, kUntouched);
}

MemoryCanvas::~MemoryCanvas()
{
    m_dc.SelectObject(m_hOld);
    m_dc.DeleteDC();
}

bool MemoryCanvas::AllPixels(const RECT& rect, COLORREF color) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (Pixel(x, y) != color) return false;
    return true;
}

void ToolBarTest::SetUp()
{
    ::SetCursorPos(1200, 1000);
    m_parent = std::make_unique<harness::MessageRecorder>();
    ::SetForegroundWindow(m_parent->Hwnd());
    ASSERT_TRUE(m_bar.Create(CWnd::FromHandle(m_parent->Hwnd()), WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_MAINFRAME));
    m_bar.EnableDocking(CBRS_ALIGN_ANY);
    CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    m_bar.SetWindowPos(nullptr, 0, 0, size.cx + 40, size.cy, SWP_NOZORDER | SWP_FRAMECHANGED);
    m_bar.UpdateWindow();
    m_parent->Clear();
}

void ToolBarTest::TearDown()
{
    m_bar.DestroyWindow();
    m_parent.reset();
}

std::unique_ptr<MemoryCanvas> ToolBarTest::Paint(CPoint pointer)
{
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    auto canvas = std::make_unique<MemoryCanvas>(rcClient.Width(), rcClient.Height());
    HIMAGELIST hImageList = m_bar.GetImageList();
    m_bar.DrawButtons(canvas->DC(), hImageList, rcClient, pointer);
    if (m_bar.m_bDeleteImgList) ImageList_Destroy(hImageList);
    return canvas;
}

CRect ToolBarTest::ItemRect(UINT nID) const
{
    CRect rect;
    m_bar.GetItemRect(m_bar.CommandToIndex(nID), &rect);
    return rect;
}

bool ToolBarTest::OnlyTheseWaitForPaint(const std::vector<UINT>& ids)
{
    HRGN hExpected = ::CreateRectRgn(0, 0, 0, 0);
    for (UINT nID : ids) {
        CRect rc = ItemRect(nID);
        HRGN hButton = ::CreateRectRgnIndirect(&rc);
        ::CombineRgn(hExpected, hExpected, hButton, RGN_OR);
        ::DeleteObject(hButton);
    }
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(m_bar.m_hWnd, hUpdate, FALSE);
    bool bEqual = ::EqualRgn(hExpected, hUpdate) != FALSE;
    ::DeleteObject(hExpected);
    ::DeleteObject(hUpdate);
    return bEqual;
}
