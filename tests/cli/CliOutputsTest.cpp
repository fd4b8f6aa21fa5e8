// Where vaultry-cli writes: regular files only, cleartext privately, through
// links, never over a read-only database or another user's ownership; and a
// change that was saved is never reported as failed.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

class CliOutputs : public ::testing::Test {
protected:
    void SetUp() override { WriteDatabaseFile(Db(), MakeList({CEntry("mail", "joe", "secret", "")}), nullptr); }
    std::string Db() const { return m_folder.Path("db.vty"); }

    TempFolder m_folder;
};

// Nothing but a regular file is opened or replaced: a FIFO would make the
// command wait for ever, and a device or folder would become a file of
// passwords. Each is refused with exit code 3 and stays what it was.
TEST_F(CliOutputs, NothingButRegularFilesIsOpenedOrReplaced)
{
    const std::string strFolder = m_folder.Path("folder");
    fs::create_directory(strFolder);
    std::vector<std::string> paths = {strFolder};
#ifdef _WIN32
    paths.push_back("NUL");
#else
    const std::string strFifo = m_folder.Path("fifo"), strDevice = m_folder.Path("null"),
                      strLink = m_folder.Path("link.txt");
    ASSERT_EQ(mkfifo(strFifo.c_str(), 0600), 0);
    paths.push_back(strFifo);
    // A device of its own, so that a fault replaces no file of the system.
    if (mknod(strDevice.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) paths.push_back(strDevice);
    fs::create_symlink("elsewhere.txt", strLink);
    paths.push_back(strLink);
#endif
    for (const std::string& strPath : paths) {
        const fs::file_type type = fs::symlink_status(strPath).type();
        std::vector<std::vector<std::string>> commands = {{"export", Db(), strPath}};
        if (type != fs::file_type::symlink)
            commands.insert(commands.end(), {{"ls", strPath}, {"add", strPath, "--for", "x"}});
        for (const std::vector<std::string>& args : commands) {
            CliResult r = RunCliInProcess(args);
            EXPECT_EQ(r.nCode, 3) << args[0] << " " << strPath;
            EXPECT_NE(r.err.find(strPath + " is a"), std::string::npos) << r.err;
        }
        EXPECT_EQ(fs::symlink_status(strPath).type(), type) << strPath;
    }
}

#ifndef _WIN32

// Cleartext goes into a new private file whatever was there; a link is written
// through only when asked, and a database's link stays a link.
TEST_F(CliOutputs, FilesAreWrittenThroughLinksAndCleartextStaysPrivate)
{
    const std::string strOut = m_folder.Path("out.txt"), strLink = m_folder.Path("link.txt");
    WriteBytes(strOut, "old text");
    fs::permissions(strOut, fs::perms(0644));
    fs::create_symlink("out.txt", strLink);
    EXPECT_EQ(RunCliInProcess({"export", Db(), strLink, "--follow-link"}).nCode, 0);
    EXPECT_EQ(ReadBytes(strOut), "mail,joe,secret,\r\n");
    EXPECT_EQ(fs::status(strOut).permissions(), fs::perms(0600));
    EXPECT_TRUE(fs::is_symlink(strLink));

    const std::string strDbLink = m_folder.Path("link.vty");
    fs::create_symlink("db.vty", strDbLink);
    EXPECT_EQ(RunCliInProcess({"add", strDbLink, "--for", "x", "--generate", "4"}).nCode, 0);
    EXPECT_TRUE(fs::is_symlink(strDbLink));
    EXPECT_EQ(ReadDatabaseFile(Db(), nullptr).list.GetCount(), 2);
}

// A database that an administrator changes for its owner keeps its owner,
// group and permissions. Needs root (as CI runs).
TEST_F(CliOutputs, DatabaseKeepsItsOwnerGroupAndMode)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root";
    ASSERT_EQ(chown(Db().c_str(), 4321, 4322), 0);
    ASSERT_EQ(chmod(Db().c_str(), 0640), 0);
    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "x", "--generate", "4"}).nCode, 0);
    struct stat st;
    ASSERT_EQ(stat(Db().c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A full disk (a limit on file sizes, which holds for root too): the message
// names the database, not the temporary file, and says it was not changed.
TEST_F(CliOutputs, FailedSaveNamesTheDatabase)
{
    const std::string strBefore = ReadBytes(Db());
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limited = old;
    limited.rlim_cur = 8;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    CliResult r = RunCliInProcess({"add", Db(), "--for", "x", "--generate", "4"});
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previous);
    EXPECT_EQ(r.nCode, 3);
    EXPECT_EQ(r.err, "vaultry-cli: " + Db() + " was not changed: The disk is full: " + Db() + ".\n");
    EXPECT_EQ(ReadBytes(Db()), strBefore);
}

#endif

// Standard output fails after the change was saved: a retry would add the entry
// twice, so the exit code is 0 and the message says the change is saved.
TEST_F(CliOutputs, SavedChangeIsNotReportedAsFailed)
{
    CliResult r = RunCliInProcess({"add", Db(), "--for", "x", "--generate", "4"}, "", nullptr, true);
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.err, "Entry 1 (x) added.\nvaultry-cli: " + Db() +
                         " was changed and saved, but standard output could not be written\n");
    EXPECT_EQ(ReadDatabaseFile(Db(), nullptr).list.GetCount(), 2);
    EXPECT_EQ(RunCliInProcess({"ls", Db()}, "", nullptr, true).nCode, 3);
}

}  // namespace
