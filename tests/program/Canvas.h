// A memory bitmap filled with a colour the program never paints, to check painting by pixels.
#pragma once

#include <vector>

#include "framework/win32/Afx.h"

class MemoryCanvas {
public:
    static constexpr COLORREF kUntouched = RGB(255, 0, 255);

    MemoryCanvas(int width, int height) : m_rcAll(0, 0, width, height)
    {
        CClientDC dcScreen(nullptr);
        m_dc.CreateCompatibleDC(&dcScreen);
        m_bitmap.CreateCompatibleBitmap(&dcScreen, width, height);
        m_hOld = m_dc.SelectObject(m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, kUntouched);
    }
    ~MemoryCanvas()
    {
        m_dc.SelectObject(m_hOld);
        m_dc.DeleteDC();
    }
    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    // Row by row, within rect (the whole canvas when empty).
    std::vector<COLORREF> Pixels(CRect rect = CRect()) const
    {
        std::vector<COLORREF> pixels;
        if (rect.IsRectEmpty()) rect = m_rcAll;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }
    int Count(COLORREF color, const CRect& rect = CRect()) const
    {
        int n = 0;
        for (COLORREF pixel : Pixels(rect)) n += pixel == color;
        return n;
    }
    bool AllPixels(const CRect& rect, COLORREF color) const
    {
        return Count(color, rect) == rect.Width() * rect.Height();
    }

private:
    CRect m_rcAll;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOld;
};
