// A top-level window to parent the controls under test: it records the commands
// its children send (WM_COMMAND: id and notification code).
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace harness {

class MessageRecorder {
public:
    MessageRecorder();  // shown, 400 x 300 pixels
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    HWND Hwnd() const { return window_; }

    // (control id, notification code) of each WM_COMMAND since the last Clear.
    const std::vector<std::pair<UINT, UINT>>& Commands() const { return commands_; }
    void Clear() { commands_.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    std::vector<std::pair<UINT, UINT>> commands_;
};

}  // namespace harness
