#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/portable/CString.h"

namespace {

std::string Std(const CString& s) { return std::string(s.GetString(), s.GetLength()); }

TEST(CString, GrowsOneByteAtATime)
{
    CString s;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        s += c;
        expected += c;
    }
    EXPECT_EQ(Std(s), expected);
    EXPECT_EQ(s.GetString()[s.GetLength()], '\0');
}

// Past 1.4 GB the growth of half as much again no longer fits an int: it is
// capped at the largest one, and leaves room still. (Only the buffer's first bytes
// are touched, so the memory is never really used. The sanitizers' allocator
// refuses blocks this large.)
TEST(CString, GrowsPastOnePointFourGigabytes)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "blocks above 64 MiB are refused under the sanitizers";
#endif
    const int n = 1500000000;
    CString s;
    s.GetBuffer(n);
    char* p = s.GetBuffer(n + 1);
    EXPECT_EQ(s.GetBuffer(n + 2), p);
    EXPECT_EQ(s.GetBuffer(INT32_MAX), p);
}

TEST(CString, HoldsEmbeddedNulBytes)
{
    const CString s("a\0b\0", 4);
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_EQ(s.GetAt(2), 'b');
    const CString copy = s;
    EXPECT_EQ(Std(copy), std::string("a\0b\0", 4));
    EXPECT_TRUE(copy == s);
    EXPECT_FALSE(s == CString("a\0c\0", 4));
    EXPECT_TRUE(CString("a\0b", 3) < s);
    EXPECT_EQ(s.Find('b'), 2);
    EXPECT_EQ(Std(s.Mid(1, 2)), std::string("\0b", 2));
    CString joined = s + s;
    EXPECT_EQ(joined.GetLength(), 8);
}

TEST(CString, AppendsToItself)
{
    CString s = "abc";
    for (int i = 0; i < 6; ++i) s += s;   // crosses several reallocations
    EXPECT_EQ(s.GetLength(), 3 * 64);
    EXPECT_EQ(s.Right(4), "cabc");
    CString t = "0123456789";
    t.Append(t.GetString() + 2, 5);
    EXPECT_EQ(t, "012345678923456");
    t = t.GetString() + 10;   // assignment from inside its own buffer
    EXPECT_EQ(t, "23456");
    t += t.GetString() + 3;
    EXPECT_EQ(t, "2345656");
}

TEST(CString, SubstringsClampOutOfRangeArguments)
{
    const CString s = "password";
    struct Case {
        CString got;
        const char* expected;
    };
    const Case cases[] = {
        {s.Left(0), ""},       {s.Left(-1), ""},          {s.Left(3), "pas"},   {s.Left(99), "password"},
        {s.Right(0), ""},      {s.Right(-5), ""},         {s.Right(4), "word"}, {s.Right(99), "password"},
        {s.Mid(4), "word"},    {s.Mid(8), ""},            {s.Mid(99), ""},      {s.Mid(-2), "password"},
        {s.Mid(2, 3), "ssw"},  {s.Mid(6, 99), "rd"},      {s.Mid(3, -1), ""},   {CString().Mid(0, 3), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(CString, FindEdges)
{
    const CString s = "a,b,,c";
    EXPECT_EQ(s.Find(','), 1);
    EXPECT_EQ(s.Find(',', 2), 3);
    EXPECT_EQ(s.Find(',', 5), -1);
    EXPECT_EQ(s.Find(',', 99), -1);
    EXPECT_EQ(s.Find(',', -3), 1);
    EXPECT_EQ(s.Find(",,"), 3);
    EXPECT_EQ(s.Find(",c", 4), 4);
    EXPECT_EQ(s.Find("c,"), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find("c", 6), -1);
    EXPECT_EQ(CString().Find('x'), -1);
}

TEST(CString, Format)
{
    CString s = "old";
    s.Format("%d entries in %s", 42, "Vaultry.vty");
    EXPECT_EQ(s, "42 entries in Vaultry.vty");
    const std::string wide(1000, 'w');
    s.Format("[%s]", wide.c_str());
    EXPECT_EQ(s.GetLength(), 1002);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    CString self = "self";
    self.Format("%s+%s", self.GetString(), self.GetString());
    EXPECT_EQ(self, "self+self");
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s = "abc";
    char* p = s.GetBuffer(100);
    EXPECT_STREQ(p, "abc");
    std::snprintf(p, 101, "%s", "filled by an API");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "filled by an API");
    s.GetBuffer(0);
    s.ReleaseBuffer(6);
    EXPECT_EQ(s, "filled");
    EXPECT_EQ(s.GetString()[6], '\0');

    // A buffer filled to the last byte without a terminator is cut at its size.
    CString full;
    char* q = full.GetBuffer(20);
    std::memset(q, 'z', 20);
    full.ReleaseBuffer(20);
    EXPECT_EQ(full.GetLength(), 20);
    CString unterminated;
    q = unterminated.GetBuffer(16);
    std::memset(q, 'y', 16);
    unterminated.ReleaseBuffer(-1);
    EXPECT_GE(unterminated.GetLength(), 16);
    EXPECT_EQ(unterminated.Left(16), CString('y', 16));

    CString grown = "ab";
    grown.GetBufferSetLength(5);
    EXPECT_EQ(grown.GetLength(), 5);
    EXPECT_EQ(Std(grown), std::string("ab\0\0\0", 5));
}

TEST(CString, MoveLeavesTheSourceEmpty)
{
    CString a = "secret";
    CString b = static_cast<CString&&>(a);
    EXPECT_EQ(b, "secret");
    EXPECT_TRUE(a.IsEmpty());
    a = "again";
    EXPECT_EQ(a, "again");
}

TEST(CString, CaseAndComparison)
{
    CString s = "MiXeD 123";
    EXPECT_EQ(s.CompareNoCase("mixed 123"), 0);
    EXPECT_LT(s.CompareNoCase("mixed 124"), 0);
    s.MakeUpper();
    EXPECT_EQ(s, "MIXED 123");
    s.MakeLower();
    EXPECT_EQ(s, "mixed 123");
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("abcd").Compare(CString("abc")), 0);
    EXPECT_TRUE(CString("e") < CString("\xE9"));   // bytes compare as unsigned values
}

}  // namespace
