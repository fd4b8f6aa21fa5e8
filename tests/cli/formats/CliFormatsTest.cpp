// The text, CSV and JSON formats through export and import.
#include <gtest/gtest.h>

#include "cli/CliCommandsFixture.h"

namespace {

// Import counts lines that give unexpected entries and drops a UTF-8 byte-order
// mark; what the text format cannot keep (a comma before Notes) is named.
TEST_F(CliCommands, TextFormatSurprisesAreNamed)
{
    const char kText[] = "\xEF\xBB\xBFmail,joe,pw,\r\n\r\njust notes\r\nze\0ro,,,\r\n";
    WriteBytes(At("@odd.txt"), std::string(kText, sizeof kText - 1));
    WriteBytes(At("@one.txt"), "one,,,");
    WriteDatabaseFile(At("@commas.vty"),
                      MakeList({CEntry(",a", "", "", ""), CEntry("f\n", "", "", "n,o"), CEntry("c", "", ",w", "")}),
                      nullptr);
    const std::string kComma = ") has a comma in its For, Username or Password, which the text format cannot keep: "
                               "an export of it imports with its texts shifted\n";
    Run({
        {"create @new.vty --no-lock", "", 0, "", "@new.vty created, not locked.\n"},
        {"import @new.vty @odd.txt", "", 0, "",
         "vaultry-cli: @odd.txt: 1 line blank (empty entries); 1 line without a comma (all in Notes); "
         "1 line with zero bytes (dropped)\n4 records imported.\n"},
        {"import @new.vty @one.txt", "", 0, "", "1 record imported.\n"},
        {"export @new.vty", "", 0, "mail,joe,pw,\r\n,,,\r\n,,,just notes\r\nzero,,,\r\none,,,\r\n", ""},
        {"export @commas.vty", "", 0, ",a,,,\r\nf\n,,,n,o\r\nc,,,w,\r\n",
         "*: warning: entry 0 (,a" + kComma + "*: warning: entry 1 (f\\n) has a line break*entry 2 (c" + kComma},
        {"add @commas.vty --for x --username ,v --generate 4", "", 0, "",
         "Entry 3 (x) added.\nvaultry-cli: warning: entry 3 (x" + kComma},
        {"edit @commas.vty 1 --for \xC3\xA9,", "", 0, "",
         "Entry 1 (\xC3\xA9,) changed.\nvaultry-cli: warning: entry 1 (\xC3\xA9," + kComma},
    });
}

// CSV and JSON give back every text through files and standard streams; other
// managers' CSV columns are found by name, the rest goes into Notes.
TEST_F(CliCommands, CsvAndJsonCarryEveryText)
{
    WriteDatabaseFile(At("@db.vty"),
                      MakeList({CEntry("say \"hi\", then", "a,b", "p\"w,\r\nx", "line 1\nline 2\r\n"),
                                CEntry("caf\xe9", "", "\x81", ""), CEntry("", "", "", "")}),
                      nullptr);
    const std::string kCsv = "Title,Username,Password,Notes\r\n"
                             "\"say \"\"hi\"\", then\",\"a,b\",\"p\"\"w,\r\nx\",\"line 1\nline 2\r\n\"\r\n"
                             "caf\xC3\xA9,,\xEF\x9E\x81,\r\n,,,\r\n";
    Run({
        {"export @db.vty - --format csv", "", 0, kCsv, ""},
        {"export @db.vty @out.json --format json -q", "", 0, "", ""},
        {"create @csv.vty --no-lock -q", "", 0, "", ""},
        {"import @csv.vty - --format csv", kCsv, 0, "", "3 records imported.\n"},
        {"export @csv.vty --format csv", "", 0, kCsv, ""},
        {"create @json.vty --no-lock -q", "", 0, "", ""},
        {"import @json.vty @out.json --format json -q", "", 0, "", ""},
        {"export @json.vty --format csv", "", 0, kCsv, ""},
        {"create @other.vty --no-lock -q", "", 0, "", ""},
        {"import @other.vty - --format csv -q",
         "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,login_totp\n"
         ",1,login,Mail,n,,0,https://mail.example,joe,pw,\n",
         0, "", ""},
        {"import @other.vty - --format csv -q",
         "\xEF\xBB\xBF\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\r\n"
         "\"Root\",\"Bank\",\"ann\",\"1\"\"2\",\"\",\"\"\r\n",
         0, "", ""},
        {"import @other.vty - --format csv -q",
         "Title,Url,Username,Password,OTPAuth,Favorite,Archived,Tags,Notes\nShop,s.example,,x,,false,false,,\n", 0, "",
         ""},
        {"import @other.vty - --format csv", "a,b\n1,2\n", 1, "", "*has no Title, Username, Password or Notes column"},
        {"import @other.vty - --format csv", "Title,Password\nok,1\n\"open,2\n", 1, "", "*line 3: a quoted field"},
        {"import @other.vty - --format csv", "Title\n\xC5\x82\n", 1, "",
         "*line 2, Title holds characters that the database's code page (1252) cannot hold"},
        {"import @other.vty - --format json", "{\"for\": \"x\"}", 1, "", "*does not hold a JSON array of entries"},
        {"import @other.vty - --format json", "[{\"for\": 1}]", 1, "", "*entry 0: \"for\" is not a string"},
        {"import @other.vty - --format json", "[{}, 1]", 1, "", "*, entry 1 is not an object; nothing was imported"},
    });
    EXPECT_TRUE(SameEntries(
        ReadDatabaseFile(At("@other.vty"), nullptr).list,
        MakeList({CEntry("Mail", "joe", "pw", "n\r\nURL: https://mail.example"),
                  CEntry("Bank", "ann", "1\"2", "Group: Root"), CEntry("Shop", "", "x", "URL: s.example")})));
}

}  // namespace
