// A flat toolbar with the program's buttons in a recording parent window, and
// memory bitmaps to paint it into, for the toolbar's tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "harness/MessageRecorder.h"
#include "toolbar/ToolBarEx.h"

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

const COLORREF kUntouched = RGB(255, 0, 255);   // what a canvas holds before painting

// A bitmap in the screen's colours in a memory DC, filled with kUntouched.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height);
    ~MemoryCanvas();
    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    COLORREF Pixel(CPoint pt) const { return Pixel(pt.x, pt.y); }
    bool AllPixels(const RECT& rect, COLORREF color) const;

private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOld;
};

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The client area painted into a canvas, the pointer at `pointer` (client
    // coordinates); the real pointer stays away from the bar.
    std::unique_ptr<MemoryCanvas> Paint(CPoint pointer = CPoint(-100, -100));
    CRect ItemRect(UINT nID) const;
    void SetState(UINT nID, UINT nState) { m_bar.GetToolBarCtrl().SetState(static_cast<int>(nID), nState); }
    // TRUE when exactly these buttons wait to be painted.
    bool OnlyTheseWaitForPaint(const std::vector<UINT>& ids);

    std::unique_ptr<harness::MessageRecorder> m_parent;
    CTestToolBar m_bar;
};

// A button's left and right edge pixels, half way down.
inline CPoint LeftEdge(const CRect& rc) { return CPoint(rc.left, rc.top + rc.Height() / 2); }
inline CPoint RightEdge(const CRect& rc) { return CPoint(rc.right - 1, rc.top + rc.Height() / 2); }
