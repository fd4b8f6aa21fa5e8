#include <gtest/gtest.h>

#include "database/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

TEST(Codec, RoundTrip)
{
    CEntryList list;
    CEntry e;
    e.m_strFor = "bank";
    list.Add(e);
    CMemFile f;
    CRandom r;
    ASSERT_EQ(WriteDatabase(f, list, 0, kBuiltInKey, r), DatabaseStatus::ok);
    EXPECT_EQ(f.GetLength(), 15u + 8u + 10u);
    DatabaseHeader h;
    ASSERT_EQ(ReadDatabaseHeader(f, h), DatabaseStatus::ok);
    CEntryList back;
    ASSERT_EQ(ReadDatabaseBody(f, h, kBuiltInKey, back), DatabaseStatus::ok);
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.GetAt(0), e);
}
