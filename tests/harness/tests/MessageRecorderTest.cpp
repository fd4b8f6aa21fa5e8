// The message recorder as the parent of real controls.
#include "harness/MessageRecorder.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

using namespace harness;

namespace {

constexpr int kEditId = 7;
constexpr int kButtonId = 8;
constexpr int kToolbarId = 9;
constexpr int kToolA = 100;
constexpr int kToolB = 101;

HWND CreateChild(const char* className, const char* text, DWORD style, int id, HWND parent)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 24,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

}  // namespace

TEST(MessageRecorder, RecordsWhatAnEditTellsItsParent)
{
    MessageRecorder parent;
    HWND edit = CreateChild("Edit", "", WS_BORDER, kEditId, parent.Hwnd());
    const ExpectedMessage created[] = {
        Message(WM_PARENTNOTIFY).WithWParam(MAKEWPARAM(WM_CREATE, kEditId)),
    };
    EXPECT_TRUE(parent.Matches(created));

    parent.Clear();
    SendMessageA(edit, WM_CHAR, 'a', 1);
    const ExpectedMessage typed[] = {
        CommandFrom(kEditId, EN_UPDATE).Optional(),
        CommandFrom(kEditId, EN_CHANGE),
    };
    EXPECT_TRUE(parent.Matches(typed));
    ASSERT_FALSE(parent.Messages().empty());
    EXPECT_EQ(parent.Messages().back().lParam, reinterpret_cast<LPARAM>(edit));
}

TEST(MessageRecorder, RecordsAButtonClickAndOnlyTheChosenMessages)
{
    MessageRecorder parent;
    HWND button = CreateChild("Button", "Press", BS_PUSHBUTTON, kButtonId, parent.Hwnd());
    parent.Clear();
    SendMessageA(button, BM_CLICK, 0, 0);
    const ExpectedMessage clicked[] = {CommandFrom(kButtonId, BN_CLICKED)};
    EXPECT_TRUE(parent.Matches(clicked));

    parent.Record({WM_SIZE});
    parent.Clear();
    SendMessageA(button, BM_CLICK, 0, 0);
    SetWindowPos(parent.Hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    const ExpectedMessage sized[] = {Message(WM_SIZE).WithWParam(SIZE_RESTORED)};
    EXPECT_TRUE(parent.Matches(sized));
}

// A custom-draw parent: asking for item notifications at pre-paint makes the
// toolbar send one per button; skipping one button's default drawing is its answer.
TEST(MessageRecorder, AnswersCustomDrawNotifications)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    MessageRecorder parent;
    HWND toolbar = CreateChild(TOOLBARCLASSNAMEA, "", TBSTYLE_FLAT, kToolbarId, parent.Hwnd());
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[] = {
        {I_IMAGENONE, kToolA, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {I_IMAGENONE, kToolB, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    SendMessageA(toolbar, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));

    std::vector<DWORD_PTR> itemsDrawn;
    parent.AnswerNotify(NM_CUSTOMDRAW, [&](NMHDR* header) -> LRESULT {
        auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
        if (draw->dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
            itemsDrawn.push_back(draw->dwItemSpec);
            return draw->dwItemSpec == kToolB ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
        }
        return CDRF_DODEFAULT;
    });
    parent.Clear();
    RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    EXPECT_EQ(itemsDrawn, (std::vector<DWORD_PTR>{kToolA, kToolB}));
    ASSERT_FALSE(parent.Messages().empty());
    EXPECT_EQ(parent.Messages().front().code, static_cast<UINT>(NM_CUSTOMDRAW));
    EXPECT_EQ(parent.Messages().front().id, static_cast<UINT_PTR>(kToolbarId));

    // Without the answer the toolbar asks nothing per item.
    itemsDrawn.clear();
    parent.AnswerNotify(NM_CUSTOMDRAW, CDRF_DODEFAULT);
    RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(itemsDrawn.empty());

    parent.IgnoreNotify(NM_CUSTOMDRAW);
    parent.Clear();
    RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(parent.Messages().empty());
}
