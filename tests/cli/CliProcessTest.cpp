// vaultry-cli as a real process: its own main, standard streams and exit code.
// Under the Windows build this runs vaultry-cli.exe under Wine.
#include <gtest/gtest.h>

#include <cstdlib>

#include "CliTestSupport.h"

namespace {

class CliProcess : public ::testing::Test {
protected:
    CliResult Run(const std::vector<std::string>& args, const std::string& in = "")
    {
        return RunCliProcess(m_folder, args, in);
    }

    TempFolder m_folder;
};

// Export through standard output keeps its CR LF line ends byte for byte (no
// text-mode translation on Windows); failures show in the exit code and print
// nothing that looks like data.
TEST_F(CliProcess, RoundTripThroughTheProgram)
{
    CliResult r = Run({"--version"});
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.out.rfind("vaultry-cli ", 0), 0u) << r.out;
    EXPECT_EQ(Run({"unknown"}).nCode, 1);
    EXPECT_EQ(Run({"ls", m_folder.Path("missing.vty")}).nCode, 3);

    std::string strDb = m_folder.Path("db.vty");
    ASSERT_EQ(Run({"create", strDb, "--password-stdin"}, "pw\n").nCode, 0);
    WriteBytes(m_folder.Path("in.txt"), "mail,joe,secret,home, work\r\nbank,,,\n\xe9t\xe9,,,\r\n");
    r = Run({"import", strDb, m_folder.Path("in.txt"), "--password-stdin"}, "pw\npw\n");
    EXPECT_EQ(r.nCode, 0) << r.err;
    EXPECT_EQ(r.err, "3 records imported.\n");
    r = Run({"add", strDb, "--for", "shop", "--password-stdin"}, "pw\nbuy\n");
    EXPECT_EQ(r.nCode, 0) << r.err;

    r = Run({"export", strDb, "--password-stdin"}, "pw\n");
    EXPECT_EQ(r.nCode, 0) << r.err;
    EXPECT_EQ(r.out, "mail,joe,secret,home, work\r\nbank,,,\r\n\xe9t\xe9,,,\r\nshop,,buy,\r\n");
    ReadBack back = ReadDatabaseFile(strDb, "pw");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_TRUE(
        SameEntries(back.list, MakeList({CEntry("mail", "joe", "secret", "home, work"), CEntry("bank", "", "", ""),
                                         CEntry("\xe9t\xe9", "", "", ""), CEntry("shop", "", "buy", "")})));

    r = Run({"export", strDb, "--password-stdin"}, "wrong\n");
    EXPECT_EQ(r.nCode, 2);
    EXPECT_EQ(r.out, "");
}

// The command line arrives whole (vaultry-cli.exe reads it in Unicode); texts
// are stored in Windows-1252 or the code page VAULTRY_CODEPAGE names, and shown
// in the terminal's encoding, or by vaultry-cli.exe in the ANSI code page, as the
// program's files hold them.
TEST_F(CliProcess, TextsKeepTheirCharacters)
{
    const std::string strDb = m_folder.Path("db.vty");
    WriteDatabaseFile(strDb, CEntryList(), nullptr);
    EXPECT_EQ(Run({"add", strDb, "--for", "Caf\xC3\xA9", "--generate", "4"}).nCode, 0);
    CliResult r = Run({"add", strDb, "--for", "\xC5\x82", "--generate", "4"});
    EXPECT_EQ(r.nCode, 1);
    EXPECT_NE(r.err.find("--for holds characters that the database's code page"), std::string::npos) << r.err;
#ifdef _WIN32
    EXPECT_EQ(Run({"search", strDb, "CAF\xC3\x89"}).out, "0\tCaf\xE9\t\n");
    _putenv_s("VAULTRY_CODEPAGE", "1251");
    r = Run({"add", strDb, "--for", "\xD0\x96", "--generate", "4"});
    _putenv_s("VAULTRY_CODEPAGE", "");
#else
    EXPECT_EQ(Run({"search", strDb, "CAF\xC3\x89"}).out, "0\tCaf\xC3\xA9\t\n");
    setenv("VAULTRY_CODEPAGE", "1251", 1);
    r = Run({"add", strDb, "--for", "\xD0\x96", "--generate", "4"});
    unsetenv("VAULTRY_CODEPAGE");
#endif
    EXPECT_EQ(r.nCode, 0) << r.err;
    ReadBack back = ReadDatabaseFile(strDb, nullptr);
    ASSERT_EQ(back.list.GetCount(), 2);
    EXPECT_EQ(back.list.GetAt(0).m_strFor, CString("Caf\xE9"));
    EXPECT_EQ(back.list.GetAt(1).m_strFor, CString("\xC6"));
}

}  // namespace
