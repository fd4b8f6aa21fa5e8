// Comparing recorded messages with a table: what may be missing, what must match,
// and what a failure shows.
#include "harness/MessageSequence.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace harness;

namespace {

RecordedMessage Command(UINT id, UINT code)
{
    return Record(WM_COMMAND, MAKEWPARAM(id, code), 0);
}

std::string Failure(const std::vector<RecordedMessage>& actual,
                    const std::vector<ExpectedMessage>& expected)
{
    ::testing::AssertionResult result = MatchSequence(actual, expected);
    return result ? std::string() : result.message();
}

// The lines of a text with runs of blanks made one and the ends trimmed.
std::vector<std::string> Rows(const std::string& text)
{
    std::vector<std::string> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string row;
        for (std::string word; words >> word;)
            row += (row.empty() ? "" : " ") + word;
        rows.push_back(row);
    }
    return rows;
}

const std::vector<ExpectedMessage> kTyping = {
    CommandFrom(7, EN_UPDATE).Optional(),
    CommandFrom(7, EN_CHANGE),
};

}  // namespace

TEST(MessageSequence, OptionalEntriesMayComeOrNot)
{
    EXPECT_TRUE(MatchSequence({Command(7, EN_UPDATE), Command(7, EN_CHANGE)}, kTyping));
    EXPECT_TRUE(MatchSequence({Command(7, EN_CHANGE)}, kTyping));
    EXPECT_FALSE(MatchSequence({Command(7, EN_UPDATE)}, kTyping));
    EXPECT_FALSE(MatchSequence({}, kTyping));
}

TEST(MessageSequence, ComparesOnlyTheFieldsAnEntryAsksFor)
{
    const std::vector<RecordedMessage> sized = {Record(WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 20))};
    EXPECT_TRUE(MatchSequence(sized, {Message(WM_SIZE)}));
    EXPECT_TRUE(MatchSequence(sized, {Message(WM_SIZE).WithWParam(SIZE_RESTORED)}));
    EXPECT_FALSE(MatchSequence(sized, {Message(WM_SIZE).WithWParam(SIZE_MINIMIZED)}));
    EXPECT_FALSE(MatchSequence(sized, {Message(WM_SIZE).WithLParam(MAKELPARAM(10, 21))}));

    EXPECT_FALSE(MatchSequence({Command(8, EN_CHANGE)}, {CommandFrom(7, EN_CHANGE)}));
    EXPECT_FALSE(MatchSequence({Command(7, EN_UPDATE)}, {CommandFrom(7, EN_CHANGE)}));
}

TEST(MessageSequence, ReadsCodeAndIdOfNotifications)
{
    NMHDR header = {nullptr, 42, static_cast<UINT>(NM_CUSTOMDRAW)};
    RecordedMessage notify = Record(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(notify.code, static_cast<UINT>(NM_CUSTOMDRAW));
    EXPECT_EQ(notify.id, 42u);
    EXPECT_TRUE(MatchSequence({notify}, {NotifyFrom(42, NM_CUSTOMDRAW)}));
    EXPECT_TRUE(MatchSequence({notify}, {NotifyCode(NM_CUSTOMDRAW)}));
    EXPECT_FALSE(MatchSequence({notify}, {NotifyFrom(43, NM_CUSTOMDRAW)}));

    RecordedMessage created = Record(WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 5), 0);
    EXPECT_EQ(created.code, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(created.id, 5u);
}

TEST(MessageSequence, AFailureShowsBothSequencesWithMarks)
{
    const std::vector<ExpectedMessage> expected = {
        Message(WM_PARENTNOTIFY).Optional(),
        CommandFrom(7, EN_CHANGE),
        CommandFrom(7, BN_CLICKED),
        NotifyFrom(3, NM_CLICK),
        NotifyFrom(3, NM_RCLICK),
    };
    NMHDR click = {nullptr, 3, static_cast<UINT>(NM_CLICK)};
    NMHDR doubleClick = {nullptr, 3, static_cast<UINT>(NM_DBLCLK)};
    // One message too many first, BN_CLICKED missing, another code last.
    std::string failure = Failure({Command(9, EN_KILLFOCUS), Command(7, EN_CHANGE),
                                   Record(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&click)),
                                   Record(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&doubleClick))},
                                  expected);
    std::vector<std::string> rows = Rows(failure);
    ASSERT_GE(rows.size(), 2u) << failure;
    rows.erase(rows.begin(), rows.begin() + 2);  // the title and the column heads
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "? WM_PARENTNOTIFY (optional)",
                        "+ WM_COMMAND id=9 code=EN_KILLFOCUS",
                        "WM_COMMAND id=7 code=EN_CHANGE WM_COMMAND id=7 code=EN_CHANGE",
                        "- WM_COMMAND id=7 code=0",
                        "WM_NOTIFY id=3 NM_CLICK WM_NOTIFY id=3 NM_CLICK",
                        "! WM_NOTIFY id=3 NM_RCLICK WM_NOTIFY id=3 NM_DBLCLK",
                    }))
        << failure;
}
