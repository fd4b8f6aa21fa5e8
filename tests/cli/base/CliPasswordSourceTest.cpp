// The database's password from a command or a file, or their variables: what
// each gives, what is refused, and how they combine with --password-stdin.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli/CliCommandsFixture.h"

namespace {

namespace fs = std::filesystem;

class CliPasswordSource : public CliCommands {
protected:
    void SetUp() override
    {
        CliCommands::SetUp();
        // Each prints what its name says; "pw" has a second line and CR LF.
#ifdef _WIN32
        const std::pair<const char*, const char*> scripts[] = {
            {"pw", "@echo pw\r\n@echo not this\r\n"},
            {"fails", "@echo pw\r\n@exit /b 3\r\n"},
            {"silent", "@rem\r\n"},
            {"blank", "@echo.\r\n@echo pw\r\n"},
        };
#else
        const std::pair<const char*, const char*> scripts[] = {
            {"pw", "#!/bin/sh\nprintf 'pw\\r\\nnot this\\n'\n"},
            {"fails", "#!/bin/sh\necho pw; exit 3\n"},
            {"silent", "#!/bin/sh\nexit 0\n"},
            {"blank", "#!/bin/sh\nprintf '\\npw\\n'\n"},
        };
#endif
        for (const auto& script : scripts) {
            WriteBytes(At("@" + std::string(script.first) + kScript), script.second);
            fs::permissions(At("@" + std::string(script.first) + kScript), fs::perms::owner_all);
        }
        const std::pair<const char*, bool> files[] = {{"pw.txt", true}, {"blank.txt", true}, {"shared.txt", false}};
        for (const auto& file : files) {
            WriteBytes(At("@") + file.first, std::string(file.first) == "blank.txt" ? "\r\npw\n" : "pw\nsecond\n");
            SetReaders(At("@") + file.first, file.second);
        }
        WriteDatabaseFile(At("@empty.vty"), CEntryList(), "pw");
    }

    // Lets the user alone read the file, or everyone.
    static void SetReaders(const std::string& strPath, bool bUserAlone);

#ifdef _WIN32
    static constexpr const char* kScript = ".cmd";
#else
    static constexpr const char* kScript = ".sh";
#endif
};

#ifdef _WIN32
// Through the file's access list, no longer inherited from its folder's. Wine
// keeps a file's access in its Unix mode, which an access list sets only in part:
// there the mode is set instead.
void CliPasswordSource::SetReaders(const std::string& strPath, bool bUserAlone)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto pfnUnixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!pfnUnixName) {
        const std::string strCommand = "icacls \"" + strPath + "\" /inheritance:r /grant:r \"%USERNAME%\":F" +
                                       (bUserAlone ? "" : " /grant *S-1-1-0:R") + " >NUL";
        ASSERT_EQ(std::system(strCommand.c_str()), 0);
        return;
    }
    char* pszUnix = pfnUnixName(std::wstring(strPath.begin(), strPath.end()).c_str());
    std::string strCommand = std::string("chmod ") + (bUserAlone ? "600 " : "644 ") + pszUnix;
    HeapFree(GetProcessHeap(), 0, pszUnix);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA("Z:\\bin\\chmod", &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}
#else
void CliPasswordSource::SetReaders(const std::string& strPath, bool bUserAlone)
{
    fs::permissions(strPath, bUserAlone ? fs::perms(0600) : fs::perms(0640));
}
#endif

TEST_F(CliPasswordSource, TheCommandOrFileGivesTheDatabasesPassword)
{
    const std::string s = kScript, kDb = "0\tmail\tjoe\n1\tbank\t\n";
    Run({
        {"ls @db.vty --password-command @pw" + s, "", 0, kDb, ""},
        {"ls @db.vty --password-file @pw.txt", "", 0, kDb, ""},
        {"ls @db.vty --password-command @fails" + s, "", 1, "", "*@fails" + s + ": it failed (exit status 3)"},
        {"ls @db.vty --password-command @silent" + s, "", 1, "", "*it printed nothing; no password"},
        {"ls @db.vty --password-command @blank" + s, "", 1, "", "*its first line is empty; no password"},
        {"ls @db.vty --password-command @missing" + s, "", 1, "", "*it failed (exit status"},
        {"ls @db.vty --password-command ''", "", 1, "", "*--password-command is empty"},
        {"ls @db.vty --password-file @shared.txt", "", 1, "", "*@shared.txt: others than its owner may read it"},
        {"ls @db.vty --password-file @blank.txt", "", 1, "", "*@blank.txt: the file's first line is empty"},
        {"ls @db.vty --password-file @missing.txt", "", 3, "", "*--password-file @missing.txt: "},
        {"ls @db.vty --password-file @", "", 3, "", "*--password-file @"},
        {"ls @db.vty --password-file @pw.txt --password-command @pw" + s, "", 1, "",
         "*give either --password-command or --password-file"},
        // Only the database's password: an entry's and a new one come from
        // standard input, and a file without entries is not asked for twice.
        {"add @db.vty --for x --password-command @pw" + s + " --password-stdin", "entry pw\n", 0, "",
         "Entry 2 (x) added.\n"},
        {"show @db.vty x --field password --password-file @pw.txt --password-stdin", "", 0, "entry pw\n", ""},
        {"add @empty.vty --for x --generate 4 --password-command @pw" + s, "", 0, "", "*added"},
        {"passwd @db.vty --password-file @pw.txt --password-stdin", "new pw\n", 0, "", "*changed"},
        {"ls @db.vty --password-command @pw" + s, "", 2, "", kWrong},
    });
}

#ifndef _WIN32
// The command gets no standard input (a password piped in is not taken by it),
// and one that a signal ends has failed. The file must be the user's (root can
// make one that is not).
TEST_F(CliPasswordSource, TheCommandHasNoInputAndTheFileMustBeTheUsers)
{
    Run({{"ls @db.vty --password-command cat", "pw\n", 1, "", "*it printed nothing"}}, true);
    const CliResult killed = RunCliInProcess({"ls", At("@db.vty"), "--password-command", "echo pw; kill -9 $$"});
    EXPECT_EQ(killed.nCode, 1);
    EXPECT_NE(killed.err.find("it failed (exit status 137)"), std::string::npos) << killed.err;
    // One byte with no line end is a password too (a wrong one here).
    WriteBytes(At("@one.txt"), "p");
    SetReaders(At("@one.txt"), true);
    Run({{"ls @db.vty --password-file @one.txt", "", 2, "", kWrong}});
    EXPECT_EQ(RunCliInProcess({"ls", At("@db.vty"), "--password-command", "printf p"}).nCode, 2);
    if (geteuid() == 0 && chown(At("@pw.txt").c_str(), 4321, 0) == 0)
        Run({{"ls @db.vty --password-file @pw.txt", "", 1, "", "*(mode 0600, owner 4321)"}});
}
#endif

// The variables serve when no password option is given; an option beats them,
// --password-stdin too. Run as the program, which reads its environment.
TEST_F(CliPasswordSource, TheVariablesServeWhenNoOptionIsGiven)
{
    putenv(const_cast<char*>("VAULTRY_PASSWORD_COMMAND="));
    const std::string strFile = "VAULTRY_PASSWORD_FILE=" + At("@pw.txt");
    putenv(const_cast<char*>(strFile.c_str()));
    Run({{"ls @db.vty", "", 0, "*mail", ""},
         {"ls @db.vty --password-stdin", "wrong\n", 2, "", kWrong},
         {"ls @db.vty --password-command @fails" + std::string(kScript), "", 1, "", "*exit status 3"}},
        true);
    const std::string strCommand = "VAULTRY_PASSWORD_COMMAND=" + At("@pw" + std::string(kScript));
    putenv(const_cast<char*>(strCommand.c_str()));
    Run({{"ls @db.vty", "", 1, "", "*both VAULTRY_PASSWORD_COMMAND and VAULTRY_PASSWORD_FILE are set"}}, true);
    putenv(const_cast<char*>("VAULTRY_PASSWORD_FILE="));
    Run({{"ls @db.vty", "", 0, "*mail", ""}}, true);
    putenv(const_cast<char*>("VAULTRY_PASSWORD_COMMAND="));
}

}  // namespace
