#include <gtest/gtest.h>

#include "framework/portable/CString.h"

TEST(CString, ConcatenatesAndCompares)
{
    CString s("mail");
    s += ',';
    s += CString("joe");
    EXPECT_EQ(s, "mail,joe");
    EXPECT_EQ(s.GetLength(), 8);
    EXPECT_EQ(s.Find(','), 4);
    EXPECT_EQ(s.Left(4), "mail");
    EXPECT_EQ(s.Mid(5), "joe");
}
