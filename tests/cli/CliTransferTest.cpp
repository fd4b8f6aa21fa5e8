// export and import in the formats of other tools: CSV that password managers
// read and write, and JSON that gives back every entry exactly.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace {

class CliTransfer : public ::testing::Test {
protected:
    std::string Path(const char* pszName) const { return m_folder.Path(pszName); }
    // A new database without a lock holding what IN gives in the format.
    CliResult Import(const std::string& strFormat, const std::string& strIn, const std::string& in = "")
    {
        std::filesystem::remove(Path("new.vty"));
        WriteDatabaseFile(Path("new.vty"), CEntryList(), nullptr);
        return RunCliInProcess({"import", Path("new.vty"), strIn, "--format", strFormat}, in);
    }

    TempFolder m_folder;
};

// Quotes, commas, both kinds of line break, a code page letter and a byte the
// code page leaves undefined come back as they were, through files and through
// standard output and input.
TEST_F(CliTransfer, CsvAndJsonGiveBackEveryText)
{
    const CEntryList entries = MakeList({CEntry("say \"hi\", then", "a,b", "p\"w,\r\nx", "line 1\nline 2\r\n"),
                                         CEntry("caf\xe9", "", "\x81", ""), CEntry("", "", "", "")});
    WriteDatabaseFile(Path("db.vty"), entries, nullptr);
    CliResult r = RunCliInProcess({"export", Path("db.vty"), "-", "--format", "csv"});
    EXPECT_EQ(r.out, "Title,Username,Password,Notes\r\n"
                     "\"say \"\"hi\"\", then\",\"a,b\",\"p\"\"w,\r\nx\",\"line 1\nline 2\r\n\"\r\n"
                     "caf\xC3\xA9,,\xEF\x9E\x81,\r\n,,,\r\n");
    for (const std::string strFormat : {"csv", "json"}) {
        ASSERT_EQ(RunCliInProcess({"export", Path("db.vty"), Path("out"), "--format", strFormat}).nCode, 0);
        r = Import(strFormat, Path("out"));
        EXPECT_EQ(r.nCode, 0) << r.err;
        EXPECT_TRUE(SameEntries(ReadDatabaseFile(Path("new.vty"), nullptr).list, entries)) << strFormat;
        r = Import(strFormat, "-", RunCliInProcess({"export", Path("db.vty"), "--format", strFormat}).out);
        EXPECT_EQ(r.err, "3 records imported.\n");
        EXPECT_TRUE(SameEntries(ReadDatabaseFile(Path("new.vty"), nullptr).list, entries)) << strFormat;
    }
}

// Other managers' columns are found by their names; what has no field of its own
// goes into Notes. Input that cannot be read imports nothing.
TEST_F(CliTransfer, ImportsTheCsvOfOtherPasswordManagers)
{
    const struct {
        const char* pszCsv;
        CEntry expected;
    } cases[] = {
        {"folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,login_totp\n"
         ",1,login,Mail,n,,0,https://mail.example,joe,pw,\n",
         CEntry("Mail", "joe", "pw", "n\r\nURL: https://mail.example")},
        {"\xEF\xBB\xBF\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\r\n"
         "\"Root\",\"Bank\",\"ann\",\"1\"\"2\",\"\",\"\"\r\n",
         CEntry("Bank", "ann", "1\"2", "Group: Root")},
        {"Title,Url,Username,Password,OTPAuth,Favorite,Archived,Tags,Notes\nShop,s.example,,x,,false,false,,\n",
         CEntry("Shop", "", "x", "URL: s.example")},
    };
    for (const auto& c : cases) {
        WriteBytes(Path("in.csv"), c.pszCsv);
        CliResult r = Import("csv", Path("in.csv"));
        EXPECT_EQ(r.nCode, 0) << r.err;
        EXPECT_TRUE(SameEntries(ReadDatabaseFile(Path("new.vty"), nullptr).list, MakeList({c.expected}))) << c.pszCsv;
    }
    const struct {
        const char* pszFormat;
        const char* pszIn;
        const char* pszError;
    } failures[] = {
        {"csv", "a,b\n1,2\n", "has no Title, Username, Password or Notes column"},
        {"csv", "Title,Password\nok,1\n\"open,2\n", "in.csv, line 3: a quoted field does not end"},
        {"csv", "Title\n\xC5\x82\n", "line 2, Title holds characters that the database's code page (1252) cannot hold"},
        {"json", "{\"for\": \"x\"}", "does not hold a JSON array of entries"},
        {"json", "[{\"for\": 1}]", "entry 0: \"for\" is not a string"},
    };
    for (const auto& f : failures) {
        WriteBytes(Path("in.csv"), f.pszIn);
        CliResult r = Import(f.pszFormat, Path("in.csv"));
        EXPECT_EQ(r.nCode, 1);
        EXPECT_NE(r.err.find(f.pszError), std::string::npos) << r.err;
        EXPECT_EQ(ReadDatabaseFile(Path("new.vty"), nullptr).list.GetCount(), 0);
    }
}

}  // namespace
