// Reads the buttons of a toolbar control ("ToolbarWindow32") of this or another
// process, by command id.
#pragma once

#include <windows.h>

#include <vector>

namespace harness {

struct ToolbarButtonState {
    bool exists = false;
    bool enabled = false;
    bool checked = false;
    bool pressed = false;
    bool hidden = false;
};

ToolbarButtonState ReadToolbarButton(HWND toolbar, int commandId);

int ToolbarButtonCount(HWND toolbar);  // separators included

}  // namespace harness
