// CFile on real files in a private temporary folder, and CMemFile.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/TestFiles.h"
#include "framework/portable/CMemFile.h"

namespace {

namespace fs = std::filesystem;

class CFileOnDisk : public ::testing::Test {
protected:
    CString Path(const char* name) const { return m_folder.Path(name).c_str(); }

    TempFolder m_folder;
};

TEST_F(CFileOnDisk, CreateWriteSeekRead)
{
    const CString path = Path("a.vty");
    CFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeReadWrite));
    f.Write("0123456789", 10);
    EXPECT_EQ(f.GetLength(), 10u);
    EXPECT_EQ(f.GetPosition(), 10u);
    EXPECT_EQ(f.Seek(-4, CFile::end), 6u);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 4u);
    EXPECT_STREQ(buf, "6789");
    EXPECT_EQ(f.Read(buf, 8), 0u);
    f.SetLength(3);
    EXPECT_EQ(f.GetLength(), 3u);
    f.Close();
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(ReadBytes(path.GetString()), "012");
}

TEST_F(CFileOnDisk, CreateTruncatesUnlessNoTruncate)
{
    const CString path = Path("b.vty");
    WriteBytes(path.GetString(), "old contents");
    {
        CFile keep(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(keep.GetLength(), 12u);
    }
    {
        CFile fresh(path, CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(fresh.GetLength(), 0u);
        fresh.Write("new", 3);
    }
    EXPECT_EQ(ReadBytes(path.GetString()), "new");
}

TEST_F(CFileOnDisk, MissingFile)
{
    const CString path = Path("missing.vty");
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(path, CFile::modeRead, &e));
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_strFileName, path);
    try {
        CFile thrown(path, CFile::modeRead | CFile::shareDenyWrite);
        ADD_FAILURE() << "opened a missing file";
    } catch (const CFileException& ex) {
        EXPECT_EQ(ex.m_cause, CFileException::fileNotFound);
    }
    try {
        CFile::Remove(path);
        ADD_FAILURE() << "removed a missing file";
    } catch (const CFileException& ex) {
        EXPECT_EQ(ex.m_cause, CFileException::fileNotFound);
    }
}

TEST_F(CFileOnDisk, ReplaceOverAnExistingFile)
{
    const CString from = Path("new.tmp"), to = Path("db.vty");
    WriteBytes(from.GetString(), "fresh database");
    WriteBytes(to.GetString(), "stale database, longer");
    CFile::Replace(from, to);
    EXPECT_EQ(ReadBytes(to.GetString()), "fresh database");
    EXPECT_FALSE(fs::exists(from.GetString()));

    CFile::Rename(to, from);
    EXPECT_EQ(ReadBytes(from.GetString()), "fresh database");
    CFile::Remove(from);
    EXPECT_FALSE(fs::exists(from.GetString()));
}

TEST(CMemFile, SeekPastTheEndThenWriteFillsTheGapWithZeros)
{
    CMemFile f(16);
    f.Write("abc", 3);
    EXPECT_EQ(f.Seek(100, CFile::begin), 100u);
    EXPECT_EQ(f.GetLength(), 3u);
    char buf[4];
    EXPECT_EQ(f.Read(buf, 4), 0u);
    f.Write("z", 1);
    ASSERT_EQ(f.GetLength(), 101u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(f.GetData()), 101),
              std::string("abc") + std::string(97, '\0') + "z");
    EXPECT_THROW(f.Seek(-102, CFile::current), CFileException);
    EXPECT_EQ(f.GetPosition(), 101u);
}

TEST(CMemFile, SetLength)
{
    CMemFile f;
    f.Write("0123456789", 10);
    f.SetLength(4);
    EXPECT_EQ(f.GetLength(), 4u);
    EXPECT_EQ(f.GetPosition(), 4u);
    f.SetLength(8);   // grows with zeros, not with the old bytes
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(f.GetData()), 8), std::string("0123\0\0\0\0", 8));
    f.SeekToBegin();
    char buf[16];
    EXPECT_EQ(f.Read(buf, 16), 8u);
    f.Close();
    EXPECT_EQ(f.GetLength(), 0u);
    f.Write("again", 5);
    EXPECT_EQ(f.GetLength(), 5u);
}

}  // namespace
