#include <gtest/gtest.h>

#include <memory>

#include "common/TestFiles.h"
#include "database/core/SafeDatabaseWriter.h"
#include "framework/portable/CMemFile.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
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

    // Only the database and the user's file are there, the user's file as it was.
    void ExpectNothingElse()
    {
        EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"db.vty", "db.vty.tmp"}));
        EXPECT_EQ(ReadBytes(m_strPath + ".tmp"), kUsersOwnFile);
    }

    // The old database is byte-identical and nothing was left beside it.
    void ExpectUntouched()
    {
        EXPECT_EQ(ReadBytes(m_strPath), m_strOldBytes);
        ExpectNothingElse();
    }

    TempFolder m_folder;
    std::string m_strPath;
    std::string m_strOldBytes;
};

TEST_F(SafeDatabaseWriterTest, ReplacesTheDatabaseAndLeavesNoTemporaryFile)
{
    ASSERT_EQ(SaveDatabaseFile(m_strPath.c_str(), kNew, 1, "new password"), DatabaseStatus::ok);
    ReadBack back = ReadDatabaseFile(m_strPath, "new password");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.wLocked, 1);
    EXPECT_TRUE(SameEntries(back.list, kNew));
    ExpectNothingElse();

    std::string strFresh = m_folder.Path("fresh.vty");
    ASSERT_EQ(SaveDatabaseFile(strFresh.c_str(), CEntryList(), 0, kBuiltInKey), DatabaseStatus::ok);
    EXPECT_EQ(ReadBytes(strFresh).size(), 25u);
}

// Whatever the temporary file holds, Commit replaces the database only when it
// reads back as exactly the entries, lock flag and key given.
TEST_F(SafeDatabaseWriterTest, RefusesAFileThatDoesNotReadBackAsTheEntries)
{
    const long long kWhole = 1LL << 40;
    CEntryList longer = kNew;
    longer.Add(CEntry("x", "", "", ""));
    const struct {
        const char* pszName;
        long long nKeep;   // bytes of the written file kept; negative: cut from its end
        const CEntryList& written;
        WORD wLockedWritten;
        const char* pszKeyWritten;
        WORD wLockedExpected;
    } cases[] = {
        {"other entries", kWhole, longer, 1, "k", 1},
        {"other key", kWhole, kNew, 1, "other", 1},
        {"other lock flag", kWhole, kNew, 0, kBuiltInKey, 1},
        {"header only", 15, kNew, 1, "k", 1},
        {"filler cut short", -1, kNew, 1, "k", 1},
        {"nothing written", 0, kNew, 1, "k", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        try {
            CSafeDatabaseWriter writer(m_strPath.c_str());   // as the program's document uses it
            CRandom random;
            ASSERT_EQ(WriteDatabase(writer.GetFile(), c.written, c.wLockedWritten, c.pszKeyWritten, random),
                      DatabaseStatus::ok);
            CFile& file = writer.GetFile();
            if (c.nKeep < 0) file.SetLength(file.GetLength() + c.nKeep);
            if (c.nKeep >= 0 && c.nKeep != kWhole) file.SetLength(c.nKeep);
            writer.Commit(kNew, c.wLockedExpected, "k");
            ADD_FAILURE() << "Commit accepted the file";
        } catch (const CDatabaseVerifyException& e) {
            EXPECT_NE(e.GetErrorMessage().Find("db.vty"), -1);
        }
        ExpectUntouched();
    }
}

TEST_F(SafeDatabaseWriterTest, AbandonedWriteLeavesTheDatabaseAlone)
{
    {
        CSafeDatabaseWriter writer(m_strPath.c_str());
        writer.GetFile().Write("VAULTRY", 7);
    }
    ExpectUntouched();
}

// A second save that does not take the lock (a program on another platform)
// starts while the first one is writing: each works on a file of its own, and
// the first one moves its own, checked file into place. Once it has, it removes
// nothing, not even a third save's file that took the name it had used.
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
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(m_strPath, nullptr).list, kNew));
    ExpectNothingElse();

    // A folder that is really a file takes no temporary file at all.
    std::string strInsideFile = m_strPath + "/inner.vty";
    EXPECT_THROW(SaveDatabaseFile(strInsideFile.c_str(), kNew, 0, kBuiltInKey), CFileException);
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
        EXPECT_THROW(writer.Commit(kNew, 0, kBuiltInKey), CTargetChangedException);
        EXPECT_EQ(ReadBytes(strPath), strMeanwhile);
    }
    EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"db.vty", "db.vty.tmp", "fresh.vty"}));
}

#ifndef _WIN32

// A full disk, simulated with a limit on the size of the files this process
// writes (which holds for an administrator too).
TEST_F(SafeDatabaseWriterTest, FullDiskLeavesTheDatabaseAlone)
{
    CEntryList big;
    std::string strNotes(4000, 'n');
    for (int i = 0; i < 20; ++i) big.Add(CEntry("f", "u", "p", strNotes.c_str()));
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limited = old;
    limited.rlim_cur = 16 * 1024;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    try {
        SaveDatabaseFile(m_strPath.c_str(), big, 0, kBuiltInKey);
        ADD_FAILURE() << "the save went through";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
    }
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previous);
    ExpectUntouched();
}

// The new file holds passwords: it is private, or keeps the permissions the
// replaced file was given.
TEST_F(SafeDatabaseWriterTest, NewFilesArePrivateAndReplacementsKeepTheirPermissions)
{
    struct stat st;
    ASSERT_EQ(SaveDatabaseFile(m_folder.Path("fresh.vty").c_str(), kNew, 0, kBuiltInKey), DatabaseStatus::ok);
    ASSERT_EQ(stat(m_folder.Path("fresh.vty").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    ASSERT_EQ(chmod(m_strPath.c_str(), 0640), 0);
    ASSERT_EQ(SaveDatabaseFile(m_strPath.c_str(), kNew, 0, kBuiltInKey), DatabaseStatus::ok);
    ASSERT_EQ(stat(m_strPath.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

#endif

}  // namespace
