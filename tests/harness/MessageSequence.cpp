#include "harness/MessageSequence.h"

#include "harness/MessageNames.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace harness {

namespace {

std::string Hex(unsigned long long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

std::string DescribeFields(UINT message, bool hasCode, UINT code, bool hasId, UINT_PTR id)
{
    std::string text = MessageName(message);
    if (hasId)
        text += " id=" + std::to_string(id);
    if (hasCode)
        text += message == WM_NOTIFY ? " " + NotifyCodeName(code)
                                     : " code=" + CommandCodeName(code);
    return text;
}

bool HasCodeAndId(UINT message)
{
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_PARENTNOTIFY;
}

bool HasId(UINT message)
{
    return HasCodeAndId(message) || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
           message == WM_DELETEITEM || message == WM_COMPAREITEM;
}

struct Row {
    char mark;  // ' ' same, '!' differs, '-' missing, '+' extra, '?' optional not sent
    std::string expected;
    std::string actual;
};

}  // namespace

RecordedMessage Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    RecordedMessage r{message, wParam, lParam, 0, 0};
    switch (message) {
    case WM_COMMAND:
        r.code = HIWORD(wParam);
        r.id = LOWORD(wParam);
        break;
    case WM_NOTIFY:
        if (lParam) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            r.code = header->code;
            r.id = header->idFrom;
        }
        break;
    case WM_PARENTNOTIFY:
        r.code = LOWORD(wParam);
        r.id = HIWORD(wParam);
        break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
        r.id = wParam;
        break;
    }
    return r;
}

std::string Describe(const RecordedMessage& m)
{
    if (HasCodeAndId(m.message))
        return DescribeFields(m.message, true, m.code, true, m.id);
    std::string text = DescribeFields(m.message, false, 0, HasId(m.message), m.id);
    return text + " wParam=" + Hex(m.wParam) + " lParam=" + Hex(static_cast<ULONG_PTR>(m.lParam));
}

std::string Describe(const ExpectedMessage& m)
{
    std::string text = DescribeFields(m.message, m.flags & kCode, m.code, m.flags & kId, m.id);
    if (m.flags & kWParam)
        text += " wParam=" + Hex(m.wParam);
    if (m.flags & kLParam)
        text += " lParam=" + Hex(static_cast<ULONG_PTR>(m.lParam));
    if (m.flags & kOptional)
        text += " (optional)";
    return text;
}

bool Fits(const ExpectedMessage& e, const RecordedMessage& a)
{
    return e.message == a.message && (!(e.flags & kWParam) || e.wParam == a.wParam) &&
           (!(e.flags & kLParam) || e.lParam == a.lParam) &&
           (!(e.flags & kCode) || e.code == a.code) && (!(e.flags & kId) || e.id == a.id);
}

::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual,
                                         const ExpectedMessage* expected, size_t count)
{
    std::vector<Row> rows;
    bool same = true;
    size_t e = 0, a = 0;
    while (e < count || a < actual.size()) {
        if (e < count && a < actual.size() && Fits(expected[e], actual[a])) {
            rows.push_back({' ', Describe(expected[e++]), Describe(actual[a++])});
        } else if (e < count && (expected[e].flags & kOptional)) {
            rows.push_back({'?', Describe(expected[e++]), ""});
        } else if (e == count) {
            rows.push_back({'+', "", Describe(actual[a++])});
            same = false;
        } else if (a == actual.size()) {
            rows.push_back({'-', Describe(expected[e++]), ""});
            same = false;
        } else if (a + 1 < actual.size() && Fits(expected[e], actual[a + 1])) {
            // One message too many here; the expected one follows it.
            rows.push_back({'+', "", Describe(actual[a++])});
            same = false;
        } else if (e + 1 < count && Fits(expected[e + 1], actual[a])) {
            // The expected message is missing; the next one came instead.
            rows.push_back({'-', Describe(expected[e++]), ""});
            same = false;
        } else {
            rows.push_back({'!', Describe(expected[e++]), Describe(actual[a++])});
            same = false;
        }
    }
    if (same)
        return ::testing::AssertionSuccess();

    size_t width = 8;
    for (const Row& row : rows)
        width = std::max(width, row.expected.size());
    auto padded = [width](const std::string& text) {
        return text + std::string(width - text.size(), ' ');
    };
    auto result = ::testing::AssertionFailure();
    result << "message sequence differs (! differs, - missing, + not expected, ? optional):\n"
           << "    " << padded("expected") << "  actual\n";
    for (const Row& row : rows)
        result << "  " << row.mark << " " << padded(row.expected) << "  " << row.actual << "\n";
    return result;
}

}  // namespace harness
