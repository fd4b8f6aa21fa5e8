#include <gtest/gtest.h>

#include <vector>

#include "TextBytes.h"
#include "textio/core/TextLineReader.h"

namespace {

std::vector<std::string> ReadAllLines(const std::string& bytes, int nArchiveBuffer = 1024)
{
    CMemFile file;
    PutBytes(file, bytes);
    CArchive ar(&file, CArchive::load, nArchiveBuffer);
    CTextLineReader reader(ar);
    std::vector<std::string> lines;
    CString line;
    while (reader.ReadLine(line)) lines.emplace_back(line.GetString(), line.GetLength());
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_FALSE(reader.ReadLine(line)) << "the end of input stays the end";
    return lines;
}

using Lines = std::vector<std::string>;

// All the bytes of a literal, zero bytes included.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

}  // namespace

TEST(TextLineReader, FollowsTheLineRule)
{
    const struct {
        const char* pszName;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"empty file", "", {}},
        {"three lines ending with CR LF", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"one more CR LF adds an empty line", "a\r\nb\r\nc\r\n\r\n", {"a", "b", "c", ""}},
        {"last line without a line end", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"LF only", "a\nb\nc\n", {"a", "b", "c"}},
        {"mixed line ends", "a\nb\r\nc", {"a", "b", "c"}},
        {"lone CR ends a line", "a\rb\rc", {"a", "b", "c"}},
        {"CR CR LF is an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"CR at the end of the file", "a\r", {"a"}},
        {"empty lines inside", "\r\n\r\na\r\n\n", {"", "", "a", ""}},
        {"a single line end", "\r\n", {""}},
        {"zero bytes are dropped", Bytes("a\0b\r\n\0\0c"), {"ab", "c"}},
        {"a line of zero bytes is an empty line", Bytes("\0\r\nx"), {"", "x"}},
        {"zero bytes after the last line end add no line", Bytes("a\r\n\0\0"), {"a"}},
        {"a file of zero bytes holds no line", Bytes("\0\0\0"), {}},
        {"commas and spaces are kept", " a, b ,,\r\n", {" a, b ,,"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAllLines(c.bytes), c.expected) << c.pszName;
}

// Lines of any length, and line ends that straddle the reader's and the
// archive's buffers (the reader takes 1,024 bytes at a time).
TEST(TextLineReader, HasNoLengthLimitAndSplitsNoLineEndAtABufferEdge)
{
    std::string strLong(5000, 'x');
    strLong[1023] = 'y';
    EXPECT_EQ(ReadAllLines(strLong + "\r\nz"), (Lines{strLong, "z"}));

    for (std::size_t nFirst : {1022u, 1023u, 1024u, 1025u}) {
        std::string strHead(nFirst, 'h');
        EXPECT_EQ(ReadAllLines(strHead + "\r\nnext"), (Lines{strHead, "next"})) << "CR LF after " << nFirst;
        EXPECT_EQ(ReadAllLines(strHead + "\rnext"), (Lines{strHead, "next"})) << "lone CR after " << nFirst;
        EXPECT_EQ(ReadAllLines(strHead + "\r"), (Lines{strHead})) << "final CR after " << nFirst;
        EXPECT_EQ(ReadAllLines(strHead + "\r\n", 128), (Lines{strHead})) << "small archive buffer";
    }
}

TEST(TextLineReader, ReadEntryLinesAppendsOneEntryPerLine)
{
    CMemFile file;
    PutBytes(file, "mail,joe,,home, work\r\n\r\nbank,,,\r\njust notes");
    CArchive ar(&file, CArchive::load, 1024);
    CEntryList list;
    list.Add(CEntry("kept", "", "", ""));
    EXPECT_EQ(ReadEntryLines(ar, list), 4u);
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetAt(0), CEntry("kept", "", "", ""));
    EXPECT_EQ(list.GetAt(1), CEntry("mail", "joe", "", "home, work"));
    EXPECT_EQ(list.GetAt(2), CEntry("", "", "", ""));
    EXPECT_EQ(list.GetAt(3), CEntry("bank", "", "", ""));
    EXPECT_EQ(list.GetAt(4), CEntry("", "", "", "just notes"));
}
