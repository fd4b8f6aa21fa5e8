// Recorded window messages and static tables of expected ones, compared in the
// manner of Wine's ok_sequence: entries flagged optional may be missing, and only
// the fields an entry asks for are compared.
//
//     const ExpectedMessage kTyping[] = {
//         CommandFrom(kEditId, EN_UPDATE).Optional(),
//         CommandFrom(kEditId, EN_CHANGE),
//     };
//     EXPECT_TRUE(MatchSequence(recorder.Messages(), kTyping));
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// A message as a window received it. For WM_COMMAND, code and id are the
// notification code and control id of wParam; for WM_NOTIFY those of the NMHDR;
// for WM_PARENTNOTIFY the event and child id; for WM_DRAWITEM, WM_MEASUREITEM,
// WM_DELETEITEM and WM_COMPAREITEM the control id. Otherwise both are 0.
struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT code;
    UINT_PTR id;
};

// What an ExpectedMessage compares besides the message number.
enum MatchFlags : unsigned {
    kOptional = 1,  // a platform may or may not send it
    kWParam = 2,
    kLParam = 4,
    kCode = 8,
    kId = 16,
};

struct ExpectedMessage {
    UINT message;
    unsigned flags;
    WPARAM wParam;
    LPARAM lParam;
    UINT code;
    UINT_PTR id;

    constexpr ExpectedMessage Optional() const { return With(kOptional, wParam, lParam); }
    constexpr ExpectedMessage WithWParam(WPARAM w) const { return With(kWParam, w, lParam); }
    constexpr ExpectedMessage WithLParam(LPARAM l) const { return With(kLParam, wParam, l); }

private:
    constexpr ExpectedMessage With(unsigned flag, WPARAM w, LPARAM l) const
    {
        return ExpectedMessage{message, flags | flag, w, l, code, id};
    }
};

// Any parameters.
constexpr ExpectedMessage Message(UINT message)
{
    return ExpectedMessage{message, 0, 0, 0, 0, 0};
}
// WM_COMMAND from a control (or a menu, code 0) with this id.
constexpr ExpectedMessage CommandFrom(UINT id, UINT code)
{
    return ExpectedMessage{WM_COMMAND, kCode | kId, 0, 0, code, id};
}
// WM_NOTIFY from a control with this id.
constexpr ExpectedMessage NotifyFrom(UINT_PTR id, UINT code)
{
    return ExpectedMessage{WM_NOTIFY, kCode | kId, 0, 0, code, id};
}
// WM_NOTIFY with this code, from whichever control.
constexpr ExpectedMessage NotifyCode(UINT code)
{
    return ExpectedMessage{WM_NOTIFY, kCode, 0, 0, code, 0};
}

RecordedMessage Record(UINT message, WPARAM wParam, LPARAM lParam);

std::string Describe(const RecordedMessage& message);
std::string Describe(const ExpectedMessage& message);
bool Fits(const ExpectedMessage& expected, const RecordedMessage& actual);

// Success when the recorded messages are the expected ones in order, optional
// entries allowed to be missing. A failure shows both sequences side by side:
// "!" a message differs, "-" expected but missing, "+" not expected, "?" an
// optional one that did not come.
::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual,
                                         const ExpectedMessage* expected, size_t count);

template <size_t N>
::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual,
                                         const ExpectedMessage (&expected)[N])
{
    return MatchSequence(actual, expected, N);
}

inline ::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual,
                                                const std::vector<ExpectedMessage>& expected)
{
    return MatchSequence(actual, expected.data(), expected.size());
}

}  // namespace harness
