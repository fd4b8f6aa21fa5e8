// The safe writer: the database on disk is the old one or the complete new one,
// never anything else, and no file of the user's is touched.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/TestFiles.h"
#include "database/core/SafeDatabaseWriter.h"
#include "framework/portable/CMemFile.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const CEntryList kOld = MakeList({CEntry("old", "u", "p", "n")});
const CEntryList kNew = MakeList({CEntry("mail", "joe", "s3cret", "home, work"), CEntry("", "", "", "")});

const char kUsersOwnFile[] = "a file of the user's that happens to have the temporary file's name";

class SafeDatabaseWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strPath = m_folder.Path("db.vty");
        WriteDatabaseFile(m_strPath, kOld, "old password");
        m_strOldBytes = ReadBytes(m_strPath);
        WriteBytes(m_strPath + ".tmp", kUsersOwnFile);
    }

    // Only the database and the user's file are there, the user's file as it was
    // and, when bUntouched, the old database byte for byte.
    void ExpectNothingElse(bool bUntouched = false)
    {
        EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"db.vty", "db.vty.tmp"}));
        EXPECT_EQ(ReadBytes(m_strPath + ".tmp"), kUsersOwnFile);
        EXPECT_TRUE(!bUntouched || ReadBytes(m_strPath) == m_strOldBytes) << "the old database changed";
    }

    TempFolder m_folder;
    std::string m_strPath;
    std::string m_strOldBytes;
};

TEST_F(SafeDatabaseWriterTest, ReplacesTheDatabaseAndLeavesNoTemporaryFile)
{
    ASSERT_EQ(SaveDatabaseFile(m_strPath.c_str(), kNew, 1, "new password"), DatabaseStatus::ok);
    ReadBack back = ReadDatabaseFile(m_strPath, "new password");
    EXPECT_TRUE(back.wLocked == 1 && SameEntries(back.list, kNew));
    ExpectNothingElse();

    std::string strFresh = m_folder.Path("fresh.vty");
    CEntryList most;  // as many entries as the file can hold
    for (int i = 0; i < kMaxEntries; ++i) most.Add(CEntry());
    ASSERT_EQ(SaveDatabaseFile(strFresh.c_str(), most, 0, kBuiltInKey), DatabaseStatus::ok);
    // Texts at each size of the archive's length prefix (one, three and seven bytes).
    const std::string a(254, 'a'), b(255, 'b'), c(0xFFFD, 'c'), d(0xFFFE, 'd');
    const CEntryList large = MakeList({CEntry(a.c_str(), b.c_str(), c.c_str(), d.c_str())});
    ASSERT_EQ(SaveDatabaseFile(strFresh.c_str(), large, 0, kBuiltInKey), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(strFresh).list, large));
#ifndef _WIN32
    struct stat st;  // it holds passwords: private to its owner
    ASSERT_EQ(stat(strFresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // Through a link that names its file by an absolute path: that file is replaced.
    const std::string strLink = m_folder.Path("link.vty");
    std::filesystem::create_symlink(strFresh, strLink);
    ASSERT_EQ(SaveDatabaseFile(strLink.c_str(), kNew, 0, kBuiltInKey), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(strFresh).list, kNew) && std::filesystem::is_symlink(strLink));
    // Through a link to a relative name of one letter: that file is made.
    const std::string strShort = m_folder.Path("short.vty");
    std::filesystem::create_symlink("d", strShort);
    ASSERT_EQ(SaveDatabaseFile(strShort.c_str(), kNew, 0, kBuiltInKey), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(m_folder.Path("d")).list, kNew) && std::filesystem::is_symlink(strShort));
#endif
}

// Whatever the temporary file holds, Commit replaces the database only when it
// reads back as exactly the entries, lock flag and key given.
TEST_F(SafeDatabaseWriterTest, RefusesAFileThatDoesNotReadBackAsTheEntries)
{
    const long long kWhole = 1LL << 40;
    CEntryList longer = kNew;
    longer.Add(CEntry("x", "", "", ""));
    const CEntryList sameSizes = MakeList({CEntry("mail", "joe", "s3cret", "home, word"), CEntry("", "", "", "")});
    const struct {
        const char* pszName;
        long long nKeep;  // bytes of the written file kept; negative: cut from its end
        const CEntryList& written;
        WORD wLockedWritten;
        const char* pszKeyWritten;
    } cases[] = {
        {"other entries", kWhole, longer, 1, "k"}, {"other texts of the same sizes", kWhole, sameSizes, 1, "k"},
        {"other key", kWhole, kNew, 1, "other"},   {"other lock flag", kWhole, kNew, 0, kBuiltInKey},
        {"header only", 15, kNew, 1, "k"},         {"filler cut short", -1, kNew, 1, "k"},
        {"nothing written", 0, kNew, 1, "k"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        try {
            CSafeDatabaseWriter writer(m_strPath.c_str());  // as the program's document uses it
            CRandom random;
            ASSERT_EQ(WriteDatabase(writer.GetFile(), c.written, c.wLockedWritten, c.pszKeyWritten, random),
                      DatabaseStatus::ok);
            CFile& file = writer.GetFile();
            if (c.nKeep < 0) file.SetLength(file.GetLength() + c.nKeep);
            if (c.nKeep >= 0 && c.nKeep != kWhole) file.SetLength(c.nKeep);
            writer.Commit(kNew, 1, "k");
            ADD_FAILURE() << "Commit accepted the file";
        } catch (const CDatabaseVerifyException& e) {
            EXPECT_NE(e.GetErrorMessage().Find("db.vty"), -1);
        }
        ExpectNothingElse(true);
    }
}

// A second save that does not take the lock (a program on another platform)
// starts while the first one is writing: each works on a file of its own, and
// the first one moves its own, checked file into place. Once it has, it removes
// nothing, not even a third save's file that took the name it had used. A save
// abandoned before its commit leaves no file behind.
TEST_F(SafeDatabaseWriterTest, InterleavedSavesCommitOnlyTheirOwnFile)
{
    auto first = std::make_unique<CSafeDatabaseWriter>(m_strPath.c_str());
    CRandom random;
    ASSERT_EQ(WriteDatabase(first->GetFile(), kNew, 0, kBuiltInKey, random), DatabaseStatus::ok);
    CReplaceOnSuccessFile second, third;
    second.Create(m_strPath.c_str());
    second.Write("VAULTRY half", 12);
    first->Commit(kNew, 0, kBuiltInKey);
    second.Discard();
    third.Create(m_strPath.c_str());
    first.reset();
    EXPECT_EQ(m_folder.Names().size(), 3u);
    third.Discard();
    {
        CSafeDatabaseWriter abandoned(m_strPath.c_str());
        abandoned.GetFile().Write("VAULTRY", 7);
    }
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(m_strPath, nullptr).list, kNew));
    ExpectNothingElse();
}

// The save that ends a read-modify-write replaces only the file that was read:
// a file saved meanwhile stays, and so does one made meanwhile where none was.
TEST_F(SafeDatabaseWriterTest, ReplacesOnlyTheFileThatWasRead)
{
    CDatabaseLock lock;
    lock.Acquire(m_strPath.c_str());
    CMemFile bytesRead;
    bytesRead.Write(m_strOldBytes.data(), static_cast<UINT>(m_strOldBytes.size()));
    const std::string strFresh = m_folder.Path("fresh.vty");
    for (const std::string& strPath : {m_strPath, strFresh}) {
        CSafeDatabaseWriter writer(strPath.c_str(), lock, strPath == m_strPath ? &bytesRead : nullptr);
        CRandom random;
        ASSERT_EQ(WriteDatabase(writer.GetFile(), kNew, 0, kBuiltInKey, random), DatabaseStatus::ok);
        WriteDatabaseFile(strPath, kOld, nullptr);
        const std::string strMeanwhile = ReadBytes(strPath);
        try {
            writer.Commit(kNew, 0, kBuiltInKey);
            ADD_FAILURE() << "saved over " << strPath;
        } catch (const CTargetChangedException& e) {
            EXPECT_EQ(e.GetErrorMessage(), CString(strPath.c_str()) + " was changed by another program after it was "
                                                                      "read; nothing was written.");
        }
        EXPECT_EQ(ReadBytes(strPath), strMeanwhile);
    }
    EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"db.vty", "db.vty.tmp", "fresh.vty"}));
}

}  // namespace
