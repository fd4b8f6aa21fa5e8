// What vaultry-cli reads and how it converts texts: the locked database without
// entries, import input, round trips through the text format, the code page and
// password lengths. The in-process runs use UTF-8 outside and Windows-1252.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace {

class CliText : public ::testing::Test {
protected:
    std::string Db() const { return m_folder.Path("db.vty"); }

    TempFolder m_folder;
};

// Any password opens a locked database without entries: a change asks for it
// twice, so that a typo does not become its key; reading it says so.
TEST_F(CliText, EmptyLockedDatabaseNeedsItsPasswordTwiceForAChange)
{
    WriteDatabaseFile(Db(), CEntryList(), "pw");
    const std::string strBefore = ReadBytes(Db());
    CliResult r = RunCliInProcess({"add", Db(), "--for", "x", "--generate", "4", "--password-stdin"}, "pw\npq\n");
    EXPECT_EQ(r.nCode, 1);
    EXPECT_NE(r.err.find("the two passwords do not match"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(Db()), strBefore);
    r = RunCliInProcess({"ls", Db(), "--password-stdin"}, "anything\n");
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.err, "vaultry-cli: " + Db() +
                         " holds no entries, so any password opens it: a wrong password cannot be told\n");
}

// Import reads text: a database is refused; a UTF-8 byte-order mark is no part
// of the first For; lines that give unexpected entries are counted.
TEST_F(CliText, ImportRefusesADatabaseAndCountsOddLines)
{
    WriteDatabaseFile(Db(), CEntryList(), nullptr);
    WriteDatabaseFile(m_folder.Path("other.vty"), MakeList({CEntry("a", "b", "c", "d")}), nullptr);
    CliResult r = RunCliInProcess({"import", Db(), m_folder.Path("other.vty")});
    EXPECT_EQ(r.nCode, 1);
    EXPECT_NE(r.err.find("other.vty is a Vaultry database, not a text file"), std::string::npos) << r.err;

    const std::string strIn = m_folder.Path("in.txt");
    const char kText[] = "\xEF\xBB\xBFmail,joe,pw,\r\n\r\njust notes\r\nze\0ro,,,\r\n";
    WriteBytes(strIn, std::string(kText, sizeof kText - 1));
    r = RunCliInProcess({"import", Db(), strIn});
    EXPECT_EQ(r.err, "vaultry-cli: " + strIn +
                         ": 1 line blank (empty entries); 1 line without a comma (all in Notes); "
                         "1 line with zero bytes (dropped)\n4 records imported.\n");
    WriteBytes(strIn, "one,,,");
    EXPECT_EQ(RunCliInProcess({"import", Db(), strIn}).err, "1 record imported.\n");
    EXPECT_TRUE(
        SameEntries(ReadDatabaseFile(Db(), nullptr).list,
                    MakeList({CEntry("mail", "joe", "pw", ""), CEntry("", "", "", ""), CEntry("", "", "", "just notes"),
                              CEntry("zero", "", "", ""), CEntry("one", "", "", "")})));
}

// The text format keeps no comma inside For, Username or Password: export keeps
// its bytes and names each such entry; add and edit warn when they store one.
TEST_F(CliText, CommasThatTheTextFormatLosesAreNamed)
{
    WriteDatabaseFile(Db(), MakeList({CEntry(",a", "", "", ""), CEntry("f", "", "", "n,o"), CEntry("c", "", ",w", "")}),
                      nullptr);
    const std::string kWarning = ") has a comma in its For, Username or Password, which the text format cannot keep: "
                                 "an export of it imports with its texts shifted\n";
    CliResult r = RunCliInProcess({"export", Db()});
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.out, ",a,,,\r\nf,,,n,o\r\nc,,,w,\r\n");
    EXPECT_EQ(r.err, "vaultry-cli: warning: entry 0 (,a" + kWarning + "vaultry-cli: warning: entry 2 (c" + kWarning);
    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "x", "--username", ",v", "--generate", "4"}).err,
              "Entry 3 (x) added.\nvaultry-cli: warning: entry 3 (x" + kWarning);
    EXPECT_EQ(RunCliInProcess({"edit", Db(), "1", "--for", "\xC3\xA9,"}).err,
              "Entry 1 (\xC3\xA9,) changed.\nvaultry-cli: warning: entry 1 (\xC3\xA9," + kWarning);
}

// Texts are stored in the code page, as the program stores them, shown in the
// terminal's encoding, and searched ignoring case for every letter.
TEST_F(CliText, TextsAreConvertedBetweenTheTerminalAndTheCodePage)
{
    WriteDatabaseFile(Db(), MakeList({CEntry("undefined \x81", "", "", "")}), nullptr);
    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "Caf\xC3\xA9 \xC5\x92uvre", "--generate", "4"}).nCode, 0);
    CliResult r = RunCliInProcess({"add", Db(), "--for",
                                   "\xC5\x82\xC3\xB3"
                                   "d\xC5\xBA",
                                   "--generate", "4"});
    EXPECT_EQ(r.nCode, 1);
    EXPECT_NE(r.err.find("--for holds characters that the database's code page (1252) cannot hold"), std::string::npos);
    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "\xCF\xF0", "--generate", "4"}).err,
              "vaultry-cli: --for is not valid UTF-8 text\n");
    EXPECT_EQ(RunCliInProcess({"ls", Db()}).out, "0\tundefined \\x81\t\n1\tCaf\xC3\xA9 \xC5\x92uvre\t\n");
    EXPECT_EQ(RunCliInProcess({"search", Db(), "CAF\xC3\x89 \xC5\x93UVRE"}).out, "1\tCaf\xC3\xA9 \xC5\x92uvre\t\n");
    EXPECT_EQ(ReadDatabaseFile(Db(), nullptr).list.GetAt(1).m_strFor, CString("Caf\xE9 \x8Cuvre"));

    EXPECT_EQ(RunCliInProcess({"add", Db(), "--for", "\xD0\x96", "--generate", "4", "--codepage", "cp1251"}).nCode, 0);
    EXPECT_EQ(ReadDatabaseFile(Db(), nullptr).list.GetAt(2).m_strFor, CString("\xC6"));
    EXPECT_EQ(RunCliInProcess({"ls", Db(), "--codepage", "UTF-8"}).nCode, 1);
}

// Passwords are keys in the code page, as the program makes them, and their
// length limit counts its characters: 56 letters é are 112 bytes of UTF-8. A
// database that an earlier vaultry-cli locked with the typed bytes still opens.
TEST_F(CliText, PasswordsAreKeysInTheCodePage)
{
    WriteDatabaseFile(m_folder.Path("older.vty"), MakeList({CEntry("old", "", "", "")}), "\xC3\xA9");
    EXPECT_EQ(RunCliInProcess({"ls", m_folder.Path("older.vty"), "--password-stdin"}, "\xC3\xA9\n").out, "0\told\t\n");
    WriteDatabaseFile(Db(), MakeList({CEntry("mail", "", "", "")}), "\xE9\xE9");
    EXPECT_EQ(RunCliInProcess({"ls", Db(), "--password-stdin"}, "\xC3\xA9\xC3\xA9\n").out, "0\tmail\t\n");
    std::string strLong;
    for (int i = 0; i < 56; ++i) strLong += "\xC3\xA9";
    EXPECT_EQ(RunCliInProcess({"passwd", Db(), "--password-stdin"}, "\xC3\xA9\xC3\xA9\n" + strLong + "\n").nCode, 0);
    EXPECT_EQ(ReadDatabaseFile(Db(), std::string(56, '\xE9').c_str()).list.GetCount(), 1);
    CliResult r = RunCliInProcess({"passwd", Db(), "--password-stdin"}, strLong + "\n" + strLong + "x\n");
    EXPECT_EQ(r.nCode, 1);
    EXPECT_NE(r.err.find("1 to 56 characters of the database's code page (1252)"), std::string::npos) << r.err;
}

}  // namespace
