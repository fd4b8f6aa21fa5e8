// CFile on real files in a private temporary folder, and CMemFile.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MemoryBytes.h"
#include "common/TestFiles.h"

namespace {

TEST(CFile, OnDisk)
{
    TempFolder folder;
    const std::string a = folder.Path("a.vty");
    CFile f;
    ASSERT_TRUE(f.Open(a.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    f.Write("0123456789", 10);
    EXPECT_EQ(f.GetPosition(), 10u);
    EXPECT_EQ(f.Seek(-4, CFile::end), 6u);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 4u);
    EXPECT_STREQ(buf, "6789");
    EXPECT_EQ(f.Read(buf, 8), 0u);
    f.SetLength(3);
    EXPECT_EQ(f.GetLength(), 3u);
    f.Close();
    EXPECT_EQ(ReadBytes(a), "012");
    ASSERT_TRUE(f.Open(a.c_str(), CFile::modeCreate | CFile::modeWrite));  // empties it
    f.Close();
    EXPECT_EQ(ReadBytes(a), "");
    std::filesystem::remove(a);

    // A missing file: Open says so, the constructor throws.
    CFileException e;
    EXPECT_FALSE(f.Open(a.c_str(), CFile::modeRead, &e));
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_strFileName, a.c_str());
    EXPECT_THROW(CFile(a.c_str(), CFile::modeRead | CFile::shareDenyWrite), CFileException);
}

TEST(CMemFile, GrowsWithZerosAndShrinks)
{
    CMemFile f(16);
    f.Write("abc", 3);
    EXPECT_EQ(f.Seek(100, CFile::begin), 100u);
    EXPECT_EQ(f.GetLength(), 3u);
    char buf[16];
    EXPECT_EQ(f.Read(buf, 4), 0u);
    f.Write("z", 1);
    EXPECT_EQ(FileBytes(f), "abc" + std::string(97, '\0') + "z");
    EXPECT_THROW(f.Seek(-102, CFile::current), CFileException);
    EXPECT_EQ(f.GetPosition(), 101u);
    f.SetLength(2);
    EXPECT_EQ(f.GetPosition(), 2u);
    f.SetLength(5);  // grows with zeros, not with the old bytes
    EXPECT_EQ(FileBytes(f), std::string("ab\0\0\0", 5));
    f.SeekToBegin();
    EXPECT_EQ(f.Read(buf, 16), 5u);
    f.Close();
    EXPECT_EQ(f.GetLength(), 0u);
    f.Write("again", 5);
    EXPECT_EQ(FileBytes(f), "again");
}

}  // namespace
