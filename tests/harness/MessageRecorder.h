// A parent window that records the messages it receives, for tests that check the
// notifications a control sends (in the manner of Wine's comctl32 tests):
//
//     MessageRecorder parent;
//     HWND edit = CreateWindowA("Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
//                               parent.Hwnd(), (HMENU)kEditId, nullptr, nullptr);
//     parent.Clear();
//     SendMessageA(edit, WM_CHAR, 'a', 1);
//     EXPECT_TRUE(parent.Matches(kTyping));
//
// By default it records what children send their parent (WM_COMMAND, WM_NOTIFY,
// WM_PARENTNOTIFY, the owner-draw messages, WM_HSCROLL and WM_VSCROLL); Record
// chooses other messages. WM_NOTIFY can be answered with a chosen result, as a
// custom-draw parent does.
#pragma once

#include "harness/MessageSequence.h"

#include <commctrl.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <vector>

namespace harness {

class MessageRecorder {
public:
    explicit MessageRecorder(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, int width = 400,
                             int height = 300);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    HWND Hwnd() const { return window_; }

    // Records only these messages from now on, or every message.
    void Record(std::initializer_list<UINT> messages);
    void RecordAll();
    // Leaves WM_NOTIFY with this code out of the record (tool tips, repaints).
    void IgnoreNotify(UINT code);

    // The result of WM_NOTIFY with this code (from any control), instead of 0.
    void AnswerNotify(UINT code, LRESULT result);
    void AnswerNotify(UINT code, std::function<LRESULT(NMHDR*)> answer);

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

    template <size_t N>
    ::testing::AssertionResult Matches(const ExpectedMessage (&expected)[N]) const
    {
        return MatchSequence(messages_, expected, N);
    }
    ::testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected) const
    {
        return MatchSequence(messages_, expected);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    bool Wants(UINT message, LPARAM lParam) const;

    HWND window_ = nullptr;
    bool all_ = false;
    std::set<UINT> recorded_;
    std::set<UINT> ignoredCodes_;
    std::map<UINT, std::function<LRESULT(NMHDR*)>> answers_;
    std::vector<RecordedMessage> messages_;
};

}  // namespace harness
