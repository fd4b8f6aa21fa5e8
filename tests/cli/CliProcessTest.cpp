// vaultry-cli as a real process: its own main, standard streams and exit code.
// Under the Windows build this runs vaultry-cli.exe under Wine.
#include <gtest/gtest.h>

#include <cstdlib>

#include "CliTestSupport.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

std::string ProgramPath()
{
    std::string strPath = VAULTRY_CLI_PATH;
#ifdef _WIN32
    // The build tree's path is a Unix path; Wine shows the root as drive Z:.
    if (!strPath.empty() && strPath[0] == '/') strPath = "Z:" + strPath;
    for (char& ch : strPath)
        if (ch == '/') ch = '\\';
#endif
    return strPath;
}

class CliProcess : public ::testing::Test {
protected:
    // Runs vaultry-cli with the arguments and standard input given.
    CliResult Run(const std::vector<std::string>& args, const std::string& in = "")
    {
        WriteBytes(m_folder.Path("stdin"), in);
        std::string strCommand = Quote(ProgramPath());
        for (const std::string& arg : args) strCommand += " " + Quote(arg);
        strCommand += " <" + Quote(m_folder.Path("stdin")) + " >" + Quote(m_folder.Path("stdout")) + " 2>" +
                      Quote(m_folder.Path("stderr"));
#ifdef _WIN32
        // cmd.exe drops the first and the last quote of the line.
        strCommand = "\"" + strCommand + "\"";
#endif
        int nStatus = std::system(strCommand.c_str());
        CliResult result;
#ifdef _WIN32
        result.nCode = nStatus;
#else
        result.nCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
#endif
        result.out = ReadBytes(m_folder.Path("stdout"));
        result.err = ReadBytes(m_folder.Path("stderr"));
        return result;
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
    r = Run({"import", strDb, m_folder.Path("in.txt"), "--password-stdin"}, "pw\n");
    EXPECT_EQ(r.nCode, 0) << r.err;
    EXPECT_EQ(r.out, "3 records imported.\n");
    r = Run({"add", strDb, "--for", "shop", "--password-stdin"}, "pw\nbuy\n");
    EXPECT_EQ(r.nCode, 0) << r.err;

    r = Run({"export", strDb, "--password-stdin"}, "pw\n");
    EXPECT_EQ(r.nCode, 0) << r.err;
    EXPECT_EQ(r.out, "mail,joe,secret,home, work\r\nbank,,,\r\n\xe9t\xe9,,,\r\nshop,,buy,\r\n");
    ReadBack back = ReadDatabaseFile(strDb, "pw");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(back.list, MakeList({CEntry("mail", "joe", "secret", "home, work"),
                                                  CEntry("bank", "", "", ""), CEntry("\xe9t\xe9", "", "", ""),
                                                  CEntry("shop", "", "buy", "")})));

    r = Run({"export", strDb, "--password-stdin"}, "wrong\n");
    EXPECT_EQ(r.nCode, 2);
    EXPECT_EQ(r.out, "");
}

}  // namespace
