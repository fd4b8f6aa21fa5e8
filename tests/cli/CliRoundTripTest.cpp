// vaultry-cli run in-process: every command that changes a database, checked
// against what the core reads from the file afterwards.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace {

class CliRoundTrip : public ::testing::Test {
protected:
    std::string Db() const { return m_folder.Path("db.vty"); }

    // Runs a command that must succeed, quietly, and returns its standard output.
    std::string Ok(std::vector<std::string> args, const std::string& in = "")
    {
        args.push_back("-q");
        CliResult r = RunCliInProcess(args, in);
        EXPECT_EQ(r.nCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }

    TempFolder m_folder;
};

TEST_F(CliRoundTrip, EveryChangeReachesTheFile)
{
    Ok({"create", Db(), "--password-stdin"}, "pw\n");
    ReadBack back = ReadDatabaseFile(Db(), "pw");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.wLocked, 1);
    EXPECT_EQ(back.list.GetCount(), 0);

    CliResult r =
        RunCliInProcess({"add", Db(), "--for", "mail", "--username=joe", "--notes", "home, work", "--password-stdin"},
                        "pw\r\npw\r\nsecret\r\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Entry 0 (mail) added.\n");
    WriteBytes(m_folder.Path("in.txt"), "bank,,,\r\nx,y,z,notes, more\n,,,\r\n");
    EXPECT_EQ(RunCliInProcess({"import", Db(), m_folder.Path("in.txt"), "--password-stdin"}, "pw\n").err,
              "3 records imported.\n");
    EXPECT_EQ(Ok({"ls", Db(), "--password-stdin"}, "pw\n"), "0\tmail\tjoe\n1\tbank\t\n2\tx\ty\n3\t\t\n");
    EXPECT_EQ(Ok({"show", Db(), "2", "-s", "--password-stdin"}, "pw\n"),
              "For: x\nUsername: y\nPassword: z\nNotes: notes, more\n");
    EXPECT_EQ(Ok({"export", Db(), "--password-stdin"}, "pw\n"),
              "mail,joe,secret,home, work\r\nbank,,,\r\nx,y,z,notes, more\r\n,,,\r\n");

    Ok({"edit", Db(), "1", "--username", "alice", "--password", "--password-stdin"}, "pw\nb4nk\n");
    Ok({"edit", Db(), "2", "--notes", "", "--password-stdin"}, "pw\n");
    Ok({"rm", Db(), "0", "--yes", "--password-stdin"}, "pw\n");
    const CEntryList expected =
        MakeList({CEntry("bank", "alice", "b4nk", ""), CEntry("x", "y", "z", ""), CEntry("", "", "", "")});
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(Db(), "pw").list, expected));

    Ok({"passwd", Db(), "--password-stdin"}, "pw\nnew password\n");
    back = ReadDatabaseFile(Db(), "new password");
    EXPECT_EQ(back.wLocked, 1);
    EXPECT_TRUE(SameEntries(back.list, expected));
    EXPECT_EQ(RunCliInProcess({"ls", Db(), "--password-stdin"}, "pw\n").nCode, 2);

    Ok({"passwd", Db(), "--no-lock", "--password-stdin"}, "new password\n");
    back = ReadDatabaseFile(Db(), nullptr);
    EXPECT_EQ(back.wLocked, 0);
    EXPECT_TRUE(SameEntries(back.list, expected));
    EXPECT_EQ(Ok({"check", Db()}), Db() + ": a readable Vaultry database, not locked, with 3 entries.\n");
    EXPECT_EQ(m_folder.Names(), (std::vector<std::string>{"db.vty", "in.txt"}));
}

// Databases written by the core, texts of the long prefix form included, show in
// the terminal's encoding and export as their bytes.
TEST_F(CliRoundTrip, ReadsWhatTheCoreWrote)
{
    std::string strLong(300, 'L');
    CEntryList list = MakeList({CEntry("caf\xe9", strLong.c_str(), "p\xff", "n,1"), CEntry("", "", "", "")});
    WriteDatabaseFile(Db(), list, "pw");
    EXPECT_EQ(Ok({"show", Db(), "0", "--show-password", "--password-stdin"}, "pw\n"),
              "For: caf\xc3\xa9\nUsername: " + strLong + "\nPassword: p\xc3\xbf\nNotes: n,1\n");
    Ok({"export", Db(), m_folder.Path("out.txt"), "--password-stdin"}, "pw\n");
    EXPECT_EQ(ReadBytes(m_folder.Path("out.txt")), "caf\xe9," + strLong + ",p\xff,n,1\r\n,,,\r\n");

    // Importing the export into an empty database gives the same entries back.
    Ok({"create", m_folder.Path("copy.vty"), "--no-lock"});
    Ok({"import", m_folder.Path("copy.vty"), m_folder.Path("out.txt")});
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(m_folder.Path("copy.vty"), nullptr).list, list));
}

TEST_F(CliRoundTrip, SearchMatchesForUsernameAndNotesIgnoringCase)
{
    WriteDatabaseFile(Db(),
                      MakeList({CEntry("Mail", "joe", "secret", ""), CEntry("bank", "MAILBOX", "", ""),
                                CEntry("shop", "", "mail", "e-MAIL here"), CEntry("x", "", "mail", "")}),
                      nullptr);
    const struct {
        const char* pszText;
        const char* pszOut;
    } cases[] = {
        {"mail", "0\tMail\tjoe\n1\tbank\tMAILBOX\n2\tshop\t\n"},
        {"SECRET", ""},
        {"box", "1\tbank\tMAILBOX\n"},
        {"", "0\tMail\tjoe\n1\tbank\tMAILBOX\n2\tshop\t\n3\tx\t\n"},
        {"-mail", "2\tshop\t\n"},
    };
    for (const auto& c : cases) {
        CliResult r = RunCliInProcess({"search", Db(), "--", c.pszText});
        EXPECT_EQ(r.out, c.pszOut) << c.pszText;
        EXPECT_EQ(r.nCode, *c.pszOut ? 0 : 1) << c.pszText;
    }
}

// Without --password-stdin the passwords come from the terminal; new ones are
// asked twice there.
TEST_F(CliRoundTrip, AsksTheTerminalForPasswords)
{
    CScriptedTerminal terminal;
    terminal.answers = {"pw", "pw"};
    EXPECT_EQ(RunCliInProcess({"create", Db()}, "", &terminal).nCode, 0);
    EXPECT_EQ(terminal.prompts, (std::vector<std::string>{"New password: ", "Repeat the new password: "}));

    terminal.prompts.clear();
    terminal.answers = {"pw", "pw", "entry pw", "entry pw"};
    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "f"}, "", &terminal).nCode, 0);
    EXPECT_EQ(terminal.prompts, (std::vector<std::string>{
                                    "Password for " + Db() + ": ",
                                    "Repeat the password (" + Db() + " holds no entries, so any password opens it): ",
                                    "Password for the entry: ", "Repeat the entry's password: "}));
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(Db(), "pw").list, MakeList({CEntry("f", "", "entry pw", "")})));

    terminal.answers = {"pw", "one", "other"};
    std::string strBefore = ReadBytes(Db());
    CliResult r = RunCliInProcess({"passwd", Db()}, "", &terminal);
    EXPECT_EQ(r.nCode, 1);
    EXPECT_EQ(r.err, "vaultry-cli: the two passwords do not match\n");
    EXPECT_EQ(ReadBytes(Db()), strBefore);
}

// The manners of the peers' tools: short options, help per command, a question
// before a deletion, and --quiet.
TEST_F(CliRoundTrip, HelpQuestionsAndQuiet)
{
    auto out = [](const std::vector<std::string>& args) { return RunCliInProcess(args).out; };
    EXPECT_EQ(out({"-V"}), out({"--version"}));
    EXPECT_EQ(out({"-h"}), out({"help"}));
    EXPECT_EQ(out({"help", "rm"}), out({"rm", "-h"}));
    EXPECT_EQ(out({"help", "rm"}).rfind("Usage: vaultry-cli rm DB ENTRY [-y | --yes]", 0), 0u);
    EXPECT_EQ(RunCliInProcess({"help", "nothing"}).nCode, 1);

    WriteDatabaseFile(Db(), MakeList({CEntry("mail", "", "", ""), CEntry("bank", "", "", "")}), nullptr);
    CScriptedTerminal terminal;
    terminal.answers = {"n", "Yes"};
    CliResult r = RunCliInProcess({"rm", Db(), "bank"}, "", &terminal);
    EXPECT_EQ(r.nCode, 1);
    EXPECT_EQ(r.err, "vaultry-cli: entry 1 (bank) was not deleted\n");
    EXPECT_EQ(RunCliInProcess({"rm", Db(), "bank", "--quiet"}, "", &terminal).err, "");
    EXPECT_EQ(terminal.prompts, std::vector<std::string>(2, "Delete entry 1 (bank)? [y/N] "));
    EXPECT_EQ(RunCliInProcess({"rm", Db(), "0"}).nCode, 1);  // no terminal, no --yes
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(Db(), nullptr).list, MakeList({CEntry("mail", "", "", "")})));
}

}  // namespace
