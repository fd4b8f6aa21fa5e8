// The custom-draw notifications a real paint sends the toolbar's parent, and what
// the parent's answers do to the painting.
#include "ToolBarFixture.h"

#include "app/resource.h"

TEST_F(ToolBarTest, ParentSeesThePaintAndMaySkipAButton)
{
    SetState(ID_FILE_IMPORT, TBSTATE_ENABLED | TBSTATE_HIDDEN);
    SetState(ID_ENTRY_ADD, TBSTATE_ENABLED | TBSTATE_CHECKED);
    SetState(ID_ENTRY_DELETE, 0);
    const DWORD kPre = CDDS_ITEMPREPAINT;
    const DWORD kPost = CDDS_ITEMPOSTPAINT;
    struct Case {
        DWORD dwPrePaintAnswer;
        std::vector<std::pair<DWORD, UINT>> expected;   // stage, command id
    };
    const Case cases[] = {
        {CDRF_DODEFAULT, {{CDDS_PREPAINT, 0}}},
        // Items asked for, Save skipped: no post-paint for it; hidden Import and
        // the separators are never items.
        {CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT,
         {{CDDS_PREPAINT, 0}, {kPre, ID_FILE_NEW}, {kPost, ID_FILE_NEW}, {kPre, ID_FILE_OPEN},
          {kPost, ID_FILE_OPEN}, {kPre, ID_FILE_SAVE}, {kPre, ID_FILE_EXPORT}, {kPost, ID_FILE_EXPORT},
          {kPre, ID_ENTRY_ADD}, {kPost, ID_ENTRY_ADD}, {kPre, ID_ENTRY_DELETE}, {kPost, ID_ENTRY_DELETE},
          {kPre, ID_OPTIONS_AUTOSIZE}, {kPost, ID_OPTIONS_AUTOSIZE}, {CDDS_POSTPAINT, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pre-paint answer " << c.dwPrePaintAnswer);
        std::vector<NMCUSTOMDRAW> seen;
        m_parent->AnswerNotify(NM_CUSTOMDRAW, [&](NMHDR* pHdr) -> LRESULT {
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
            EXPECT_EQ(n.uItemState, nID == ID_ENTRY_ADD ? CDIS_CHECKED : nID == ID_ENTRY_DELETE ? CDIS_DISABLED : 0u) << i;
        }
        CClientDC dc(&m_bar);
        CRect rcSave = ItemRect(ID_FILE_SAVE);
        int nUntouched = 0;
        for (int y = rcSave.top; y < rcSave.bottom; ++y)
            for (int x = rcSave.left; x < rcSave.right; ++x) nUntouched += ::GetPixel(dc, x, y) == kUntouched;
        EXPECT_EQ(nUntouched, c.dwPrePaintAnswer == CDRF_DODEFAULT ? 0 : rcSave.Width() * rcSave.Height());
        EXPECT_EQ(::GetPixel(dc, ItemRect(ID_FILE_OPEN).left, ItemRect(ID_FILE_OPEN).top), m_bar.m_clrBtnFace);
    }
}
