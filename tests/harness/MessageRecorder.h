// A top-level window to parent the controls under test: it records the commands
// its children send (WM_COMMAND: id and notification code), and answers their
// WM_NOTIFY with a chosen function, as a custom-draw parent does.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
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

    // The result of WM_NOTIFY with this code, from any control, instead of 0.
    void AnswerNotify(UINT code, std::function<LRESULT(NMHDR*)> answer) { answers_[code] = answer; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    std::vector<std::pair<UINT, UINT>> commands_;
    std::map<UINT, std::function<LRESULT(NMHDR*)>> answers_;
};

}  // namespace harness
