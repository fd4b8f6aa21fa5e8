// The halftone brush: a checkerboard of the DC's text and background colours.
#include <gtest/gtest.h>

#include "framework/win32/Afx.h"

TEST(HalftoneBrush, AlternatesTheTextAndBackgroundColoursPixelByPixel)
{
    const COLORREF kText = RGB(200, 0, 0);
    const COLORREF kBack = RGB(0, 0, 200);
    CClientDC dcScreen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 9, 9));
    HGDIOBJ hOld = dc.SelectObject(bitmap);
    dc.SetTextColor(kText);
    dc.SetBkColor(kBack);
    CRect rect(0, 0, 9, 9);
    dc.FillRect(&rect, *CDC::GetHalftoneBrush());
    COLORREF first = ::GetPixel(dc, 0, 0);
    EXPECT_TRUE(first == kText || first == kBack);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(::GetPixel(dc, x, y), (x + y) % 2 == 0 ? first : first ^ kText ^ kBack) << x << "," << y;
    dc.SelectObject(hOld);
    dc.DeleteDC();
    EXPECT_EQ(CDC::GetHalftoneBrush(), CDC::GetHalftoneBrush());   // one brush, shared
}
