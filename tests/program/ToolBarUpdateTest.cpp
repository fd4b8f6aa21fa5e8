// Idle-time command updates repaint only the buttons whose state changed; a
// system colour change is used from the next paint on.
#include "ToolBarFixture.h"

#include "app/resource.h"

TEST_F(ToolBarTest, CommandUpdateRepaintsOnlyChangedButtons)
{
    struct Step {
        std::set<UINT> disabled;
        std::vector<UINT> repainted;
    };
    const Step steps[] = {
        {{}, {}},
        {{ID_ENTRY_DELETE, ID_FILE_EXPORT}, {ID_ENTRY_DELETE, ID_FILE_EXPORT}},
        {{ID_ENTRY_DELETE, ID_FILE_EXPORT}, {}},
        {{ID_ENTRY_DELETE}, {ID_FILE_EXPORT}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.disabled.size());
        m_bar.m_disabled = step.disabled;
        m_bar.ValidateRect(nullptr);
        m_bar.OnUpdateCmdUI(nullptr, FALSE);
        EXPECT_TRUE(OnlyTheseWaitForPaint(step.repainted));
        EXPECT_EQ(m_bar.GetToolBarCtrl().IsButtonEnabled(ID_FILE_EXPORT) != FALSE, !step.disabled.count(ID_FILE_EXPORT));
    }
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
    CRect rcOpen = ItemRect(ID_FILE_OPEN);
    CRect rcSave = ItemRect(ID_FILE_SAVE);
    auto canvas = Paint(rcOpen.CenterPoint());
    ::SetSysColors(4, elements, saved);

    EXPECT_EQ(canvas->Pixel(rcOpen.left + 5, rcOpen.top + 1), changed[0]);   // face
    EXPECT_EQ(canvas->Pixel(LeftEdge(rcOpen)), changed[1]);                  // raised edge
    EXPECT_EQ(canvas->Pixel(RightEdge(rcOpen)), changed[2]);
    std::set<COLORREF> dither = {canvas->Pixel(rcSave.left + 2, rcSave.top + 2), canvas->Pixel(rcSave.left + 3, rcSave.top + 2)};
    EXPECT_EQ(dither, (std::set<COLORREF>{changed[0], changed[1]}));
    CRect rcDelete = ItemRect(ID_ENTRY_DELETE);
    int nEmbossShadow = 0;
    for (int y = rcDelete.top; y < rcDelete.bottom; ++y)
        for (int x = rcDelete.left; x < rcDelete.right; ++x) nEmbossShadow += canvas->Pixel(x, y) == changed[2];
    EXPECT_GT(nEmbossShadow, 20);
}
