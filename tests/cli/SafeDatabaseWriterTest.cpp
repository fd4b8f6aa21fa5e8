#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "database/SafeDatabaseWriter.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const CEntryList kOld = MakeList({CEntry("old", "u", "p", "n")});
const CEntryList kNew = MakeList({CEntry("mail", "joe", "s3cret", "home, work"), CEntry("", "", "", "")});

class SafeDatabaseWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strPath = m_folder.Path("db.vty");
        WriteDatabaseFile(m_strPath, kOld, "old password");
        m_strOldBytes = ReadBytes(m_strPath);
    }

    // The old database is byte-identical and nothing was left beside it.
    void ExpectUntouched(std::vector<std::string> names = {"db.vty"})
    {
        EXPECT_EQ(ReadBytes(m_strPath), m_strOldBytes);
        EXPECT_EQ(m_folder.Names(), names);
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
    EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"db.vty"});

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

// A folder that cannot take the temporary file: simulated with a directory in
// its place (which even an administrator cannot write over), and with a folder
// that is really a file.
TEST_F(SafeDatabaseWriterTest, UnwritableTemporaryFileLeavesTheDatabaseAlone)
{
    std::filesystem::create_directory(m_strPath + ".tmp");
    WriteBytes(m_strPath + ".tmp/keep", "x");
    EXPECT_THROW(SaveDatabaseFile(m_strPath.c_str(), kNew, 0, kBuiltInKey), CFileException);
    ExpectUntouched({"db.vty", "db.vty.tmp"});

    std::string strInsideFile = m_strPath + "/inner.vty";
    EXPECT_THROW(SaveDatabaseFile(strInsideFile.c_str(), kNew, 0, kBuiltInKey), CFileException);
    ExpectUntouched({"db.vty", "db.vty.tmp"});
}

// A save that was killed before it committed leaves the database as it was and
// its temporary file behind; the next save takes that name over and leaves
// nothing behind.
TEST_F(SafeDatabaseWriterTest, TemporaryFileOfAKilledSaveIsReplaced)
{
    WriteBytes(m_strPath + ".tmp", "VAULTRY and half a body");
    ASSERT_EQ(SaveDatabaseFile(m_strPath.c_str(), kNew, 0, kBuiltInKey), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(m_strPath, nullptr).list, kNew));
    EXPECT_EQ(m_folder.Names(), std::vector<std::string>{"db.vty"});
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
