#include "harness/ToolbarButtons.h"

#include "harness/WindowQueries.h"

#include <commctrl.h>

namespace harness {

namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, kReplyTimeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

}  // namespace

ToolbarButtonState ReadToolbarButton(HWND toolbar, int commandId)
{
    ToolbarButtonState state;
    state.exists = Ask(toolbar, TB_COMMANDTOINDEX, commandId) >= 0;
    if (!state.exists)
        return state;
    // TB_GETSTATE answers all flags at once; -1 means no such button.
    LRESULT flags = Ask(toolbar, TB_GETSTATE, commandId);
    if (flags < 0)
        return ToolbarButtonState{};
    state.enabled = flags & TBSTATE_ENABLED;
    state.checked = flags & TBSTATE_CHECKED;
    state.pressed = flags & TBSTATE_PRESSED;
    state.hidden = flags & TBSTATE_HIDDEN;
    return state;
}

int ToolbarButtonCount(HWND toolbar)
{
    return static_cast<int>(Ask(toolbar, TB_BUTTONCOUNT, 0));
}

}  // namespace harness
