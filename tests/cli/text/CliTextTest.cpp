// Texts between the terminal's encoding and the database's code page.
#include <gtest/gtest.h>

#include "cli/CliCommandsFixture.h"

namespace {

// Texts and password keys are in the code page, as the program has them; texts
// show in the terminal's encoding (UTF-8 here); length limits count characters.
TEST_F(CliCommands, TextsAreConvertedBetweenTheTerminalAndTheCodePage)
{
    WriteDatabaseFile(At("@older.vty"), MakeList({CEntry("old", "", "", "")}), "\xC3\xA9");
    WriteDatabaseFile(At("@keyed.vty"), MakeList({CEntry("mail", "", "", "")}), "\xE9\xE9");
    std::string strLong;
    for (int i = 0; i < 56; ++i) strLong += "\xC3\xA9";
    Run({
        {"add @open.vty --for Caf\xC3\xA9_\xC5\x92uvre --password-stdin", "x\n", 0, "",
         "Entry 4 (Caf\xC3\xA9_\xC5\x92uvre) added.\n"},
        {"add @open.vty --for \xC5\x82\xC3\xB3"
         "d\xC5\xBA --generate 4",
         "", 1, "", "*--for holds characters that the database's code page (1252) cannot hold"},
        {"add @open.vty --for \xCF\xF0 --generate 4", "", 1, "", "vaultry-cli: --for is not valid UTF-8 text\n"},
        {"add @open.vty --for \xD0\x96 --codepage cp1251 --password-stdin", "x\n", 0, "", "*"},
        {"search @open.vty CAF\xC3\x89_\xC5\x93UVRE", "", 0, "4\tCaf\xC3\xA9_\xC5\x92uvre\t\n", ""},
#ifndef _WIN32
        // A code page by the system's name for it (iconv's); a byte it leaves
        // undefined shows as such.
        {"show @open.vty 3 -s --codepage ISO-8859-15", "", 0, "*For: caf\xC3\xA9\n*Password: p\\x81\n", ""},
#endif
        {"export @open.vty", "", 0, "*\r\nCaf\xe9_\x8cuvre,,x,\r\n\xc6,,x,\r\n", "*"},
        // A database that an earlier vaultry-cli locked with the typed bytes still opens.
        {"ls @older.vty --password-stdin", "\xC3\xA9\n", 0, "0\told\t\n", ""},
        {"ls @keyed.vty --password-stdin", "\xC3\xA9\xC3\xA9\n", 0, "0\tmail\t\n", ""},
        {"passwd @keyed.vty -q --password-stdin", "\xC3\xA9\xC3\xA9\n" + strLong + "\n", 0, "", ""},
        {"passwd @keyed.vty --password-stdin", strLong + "\n" + strLong + "x\n", 1, "",
         "*1 to 56 characters of the database's code page (1252)"},
    });
    EXPECT_EQ(ReadDatabaseFile(At("@keyed.vty"), std::string(56, '\xE9').c_str()).list.GetCount(), 1);
}

}  // namespace
