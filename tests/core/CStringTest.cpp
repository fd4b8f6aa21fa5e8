#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "framework/portable/CString.h"

namespace {

TEST(CString, AppendsToItself)
{
    CString t = "abc";
    for (int i = 0; i < 6; ++i) t += t;  // crosses several reallocations
    EXPECT_EQ(t.GetLength(), 3 * 64);
    EXPECT_EQ(t.Right(4), "cabc");
    t = "0123456789";
    t.Append(t.GetString() + 2, 5);
    EXPECT_EQ(t, "012345678923456");
    t = t.GetString() + 10;  // assignment from inside its own buffer
    EXPECT_EQ(t, "23456");
    t += t.GetString() + 3;
    EXPECT_EQ(t, "2345656");
}

TEST(CString, HoldsEmbeddedNulBytes)
{
    const CString s("a\0b\0", 4);
    EXPECT_TRUE(CString(s) == s && CString(s).GetLength() == 4);
    EXPECT_FALSE(s == CString("a\0c\0", 4));
    EXPECT_TRUE(CString("a\0b", 3) < s);
    EXPECT_EQ(s.Find('b'), 2);
    EXPECT_EQ(s.Mid(1, 2), CString("\0b", 2));
    EXPECT_EQ((s + s).GetLength(), 8);
    EXPECT_TRUE(CString("e") < CString("\xE9"));  // bytes compare as unsigned values
}

// Positions and counts out of range are clamped; Find past the end finds nothing.
TEST(CString, SubstringsAndFindClampTheirArguments)
{
    const CString s = "password", t = "a,b,,c";
    const struct {
        CString got;
        const char* expected;
    } parts[] = {
        {s.Left(-1), ""},     {s.Left(3), "pas"},        {s.Left(99), "password"}, {s.Right(-5), ""},
        {s.Right(4), "word"}, {s.Right(99), "password"}, {s.Mid(8), ""},           {s.Mid(-2), "password"},
        {s.Mid(2, 3), "ssw"}, {s.Mid(6, 99), "rd"},      {s.Mid(3, -1), ""},       {s.Mid(99, 1), ""},
    };
    for (const auto& c : parts) EXPECT_EQ(c.got, c.expected) << &c - parts;
    const int finds[][2] = {{t.Find(','), 1},     {t.Find(',', 2), 3}, {t.Find(',', 99), -1}, {t.Find(',', -3), 1},
                            {t.Find(",c", 4), 4}, {t.Find("c,"), -1},  {t.Find("c", 7), -1},  {t.Find('z'), -1}};
    for (const auto& c : finds) EXPECT_EQ(c[0], c[1]) << &c - finds;
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

    alignas(CString) char storage[sizeof(CString)];
    std::memset(storage, 'x', sizeof storage);  // not zero where a short text lives
    CString* pGrown = new (storage) CString("ab");
    EXPECT_EQ(std::string(pGrown->GetBufferSetLength(5), 6), std::string("ab\0\0\0\0", 6));
    pGrown->~CString();
}

// Texts hold passwords: what a string no longer holds is zeroed, in the string's
// own bytes (where short texts live) and in its buffer past the text.
TEST(CString, ZeroesWhatItNoLongerHolds)
{
    const std::string strSecret = "hunter2, and a text too long to be held in the string itself";
    const struct {
        const char* what;
        int nLength;  // of the secret held first
        void (*act)(CString&);
    } cases[] = {
        {"destroyed", 7, [](CString&) {}},
        {"moved to the heap", 7, [](CString& s) { s += CString('x', 40); }},
        {"moved from", 7, [](CString& s) { EXPECT_EQ(CString(static_cast<CString&&>(s)), "hunter2"); }},
        {"emptied", 7, [](CString& s) { s.Empty(); }},
        {"shortened", 7, [](CString& s) { s = "hu"; }},
        {"shortened on the heap", 60, [](CString& s) { s = "hu"; }},
        {"released shorter", 60, [](CString& s) { s.ReleaseBuffer(2); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string strTail = strSecret.substr(2, c.nLength - 2);  // what "hu" does not hold
        alignas(CString) char storage[sizeof(CString)];
        auto holdsTail = [&strTail](const char* p, int n) {
            return std::string(p, n).find(strTail) != std::string::npos;
        };
        CString* p = new (storage) CString(strSecret.substr(0, c.nLength).c_str());
        c.act(*p);
        const bool bOnHeap = p->GetString() < storage || p->GetString() >= storage + sizeof storage;
        const bool bLetGo = !holdsTail(p->GetString(), p->GetLength());
        EXPECT_FALSE(bLetGo && holdsTail(storage, sizeof storage));
        EXPECT_FALSE(bLetGo && bOnHeap && holdsTail(p->GetString(), c.nLength));  // the buffer is as long still
        p->~CString();
        EXPECT_FALSE(holdsTail(storage, sizeof storage));
    }
}

}  // namespace
