// vaultry-cli's failures: the exit code, one line on standard error, nothing on
// standard output that could pass for data, and the database left as it was.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace {

class CliFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteDatabaseFile(m_folder.Path("db.vty"),
                          MakeList({CEntry("mail", "joe", "secret", ""), CEntry("bank", "", "1234", "")}), "pw");
        WriteBytes(m_folder.Path("text.txt"), "mail,joe,secret,\r\n");
        WriteBytes(m_folder.Path("empty.vty"), "");
        WriteBytes(m_folder.Path("short.vty"), std::string("VAULTRY\x01\x00\x01", 10));
        std::string strNewer = ReadBytes(m_folder.Path("db.vty"));
        strNewer[9] = 2;
        WriteBytes(m_folder.Path("newer.vty"), strNewer);
        m_strDbBytes = ReadBytes(m_folder.Path("db.vty"));
        m_names = m_folder.Names();
    }

    // Replaces the "@" at the start of an argument with the folder.
    std::vector<std::string> InFolder(std::vector<std::string> args) const
    {
        for (std::string& arg : args)
            if (!arg.empty() && arg[0] == '@') arg = m_folder.Path(arg.substr(1));
        return args;
    }

    void ExpectFailure(const std::vector<std::string>& args, const std::string& in, int nCode, const char* pszError)
    {
        std::string strTrace;
        for (const std::string& arg : args) strTrace += arg + " ";
        SCOPED_TRACE(strTrace);
        CliResult r = RunCliInProcess(InFolder(args), in);
        EXPECT_EQ(r.nCode, nCode);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(pszError), std::string::npos) << r.err;
        EXPECT_EQ(r.err.rfind("vaultry-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_EQ(ReadBytes(m_folder.Path("db.vty")), m_strDbBytes);
        EXPECT_EQ(m_folder.Names(), m_names);
    }

    TempFolder m_folder;
    std::string m_strDbBytes;
    std::vector<std::string> m_names;
};

const char kWrong[] = "File is corrupt or password is incorrect.";

TEST_F(CliFailure, UnreadableDatabasesGiveExitCode2)
{
    // Long texts: a wrong password deciphers to records that parse, but that do
    // not end at the filler.
    CEntryList big;
    for (int i = 0; i < 200; ++i)
        big.Add(CEntry("site", "user", "pass", CString(static_cast<char>('a' + i % 26), 3000)));
    WriteDatabaseFile(m_folder.Path("big.vty"), big, "pw");
    m_names = m_folder.Names();
    const struct {
        std::vector<std::string> args;
        const char* pszIn;
        const char* pszError;
    } cases[] = {
        {{"ls", "@db.vty", "--password-stdin"}, "wrong\n", kWrong},
        {{"export", "@db.vty", "--password-stdin"}, "wrong\n", kWrong},
        {{"export", "@db.vty", "@out.txt", "--password-stdin"}, "wrong\n", kWrong},
        {{"check", "@db.vty", "--password-stdin"}, "\n", kWrong},
        {{"check", "@big.vty", "--password-stdin"}, "wrong\n", kWrong},
        {{"add", "@db.vty", "--for", "x", "--generate", "8", "--password-stdin"}, "wrong\n", kWrong},
        {{"passwd", "@db.vty", "--no-lock", "--password-stdin"}, "wrong\n", kWrong},
        {{"ls", "@text.txt"}, "", "This is not a Vaultry database, or else it is corrupted."},
        {{"check", "@empty.vty"}, "", "This is not a Vaultry database"},
        {{"ls", "@short.vty"}, "", "short.vty: Error reading database."},
        {{"check", "@newer.vty"}, "", "This Vaultry database cannot be read using this version."},
    };
    for (const auto& c : cases) ExpectFailure(c.args, c.pszIn, 2, c.pszError);
}

TEST_F(CliFailure, WrongCommandLinesGiveExitCode1)
{
    const struct {
        std::vector<std::string> args;
        std::string in;
        const char* pszError;
    } cases[] = {
        {{"frobnicate", "@db.vty"}, "", "unknown command \"frobnicate\""},
        {{}, "", "no command given"},
        {{"ls"}, "", "missing arguments (usage: vaultry-cli ls DB"},
        {{"ls", "@db.vty", "--verbose"}, "", "unknown option --verbose"},
        {{"add", "@db.vty", "--for"}, "", "option --for needs a value"},
        {{"show", "@db.vty", "2", "--password-stdin"}, "pw\n", "db.vty has no entry 2; its entries are 0 to 1"},
        {{"rm", "@db.vty", "one", "--password-stdin"}, "pw\n", "has no entry one"},
        {{"add", "@db.vty", "--username", "u"}, "", "add needs --for"},
        {{"add", "@db.vty", "--for", "a\nb"}, "", "--for cannot hold a line break"},
        {{"add", "@db.vty", "--for", "x", "--generate", "0"}, "", "--generate must be a number from 1 to 1024"},
        {{"edit", "@db.vty", "0"}, "", "nothing to change"},
        {{"edit", "@db.vty", "0", "--password", "--generate", "9"}, "", "either --password or --generate"},
        {{"generate", "--length", "2000"}, "", "--length must be a number from 1 to 1024"},
        {{"ls", "@db.vty", "--password-stdin"}, "", "standard input ended before the password"},
        {{"ls", "@db.vty"}, "", "no terminal to ask for the password on; use --password-stdin"},
        {{"passwd", "@db.vty", "--password-stdin"}, "pw\n\n", "must be 1 to 56 characters of the database's code page"},
        {{"passwd", "@db.vty", "--password-stdin"}, "pw\n" + std::string(57, 'x') + "\n", "1 to 56 characters"},
        {{"create", "@new.vty", "--password-stdin"}, std::string("a\0b\n", 4), "1 to 56 characters"},
        {{"create", "", "--no-lock"}, "", "the file name is empty"},
        {{"export", "@db.vty", ""}, "", "the file name is empty"},
    };
    for (const auto& c : cases) ExpectFailure(c.args, c.in, 1, c.pszError);
}

TEST_F(CliFailure, FilesThatCannotBeReadOrWrittenGiveExitCode3)
{
    const struct {
        std::vector<std::string> args;
        const char* pszError;
    } cases[] = {
        {{"ls", "@missing.vty"}, "The file could not be found"},
        {{"ls", "@"}, " is a folder, not a database"},
        {{"create", "@db.vty", "--no-lock"}, "db.vty already exists; it was not changed"},
        {{"create", "@text.txt/new.vty", "--no-lock"}, "new.vty was not created: "},
        {{"import", "@db.vty", "@missing.txt", "--password-stdin"}, "Error opening import file."},
        {{"export", "@db.vty", "@newer.vty", "--password-stdin"}, "is a Vaultry database; export does not overwrite"},
        {{"export", "@db.vty", "@text.txt/out.txt", "--password-stdin"}, "Error opening export file."},
    };
    for (const auto& c : cases) ExpectFailure(c.args, "pw\n", 3, c.pszError);
}

// A database the user made read-only is left so by every command that would
// change it, as the program's save leaves it (even for an administrator).
TEST_F(CliFailure, ReadOnlyDatabaseIsNotChanged)
{
    std::filesystem::permissions(m_folder.Path("db.vty"), std::filesystem::perms::owner_read);
    const std::vector<std::vector<std::string>> commands = {
        {"add", "@db.vty", "--for", "x", "--generate", "8"},
        {"edit", "@db.vty", "0", "--for", "y"},
        {"rm", "@db.vty", "0"},
        {"import", "@db.vty", "@text.txt"},
        {"passwd", "@db.vty", "--no-lock"},
    };
    for (std::vector<std::string> args : commands) {
        args.push_back("--password-stdin");
        ExpectFailure(args, "pw\n", 3, "db.vty is read-only; it was not changed");
    }
    std::filesystem::permissions(m_folder.Path("db.vty"), std::filesystem::perms::owner_all);
}

}  // namespace
