// ls, show, search and check for people and scripts: entries named by index or
// For, passwords shown only when asked, columns that hold, and JSON that parses
// back to the entries.
#include <gtest/gtest.h>

#include <cstring>

#include <nlohmann/json.hpp>

#include "CliTestSupport.h"

namespace {

using nlohmann::json;

class CliReading : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteDatabaseFile(
            Db(),
            MakeList({CEntry("mail", "joe", "s3cret", "n1"), CEntry("Bank", "a\tb", "pin", "line\r\nbreak"),
                      CEntry("bank", "", "x", ""), CEntry("caf\xe9", "", "p\x81", "")}),
            nullptr);
    }
    std::string Db() const { return m_folder.Path("db.vty"); }
    CliResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, Db());
        return RunCliInProcess(args);
    }

    TempFolder m_folder;
};

TEST_F(CliReading, EntriesAreNamedByIndexOrFor)
{
    const struct {
        const char* pszOperand;
        int nCode;
        const char* pszText;  // the start of standard output, or a part of the error
    } cases[] = {
        {"1", 0, "For: Bank\n"},
        {"mail", 0, "For: mail\n"},
        {"MAIL", 0, "For: mail\n"},
        {"bank", 0, "For: bank\n"},
        {"CAF\xC3\x89", 0, "For: caf\xC3\xA9\n"},
        {"BANK", 1, "has 2 entries for BANK; give the index of one: 1 (Bank), 2 (bank)\n"},
        {"9", 1, "has no entry 9; its entries are 0 to 3\n"},
        {"shop", 1, "has no entry shop\n"},
    };
    for (const auto& c : cases) {
        CliResult r = Run({"show", c.pszOperand});
        EXPECT_EQ(r.nCode, c.nCode) << c.pszOperand;
        EXPECT_NE((c.nCode ? r.err : r.out.substr(0, std::strlen(c.pszText))).find(c.pszText), std::string::npos)
            << c.pszOperand << ": " << r.out << r.err;
    }
}

TEST_F(CliReading, PasswordsShowOnlyWhenAsked)
{
    EXPECT_EQ(Run({"show", "mail"}).out, "For: mail\nUsername: joe\nPassword: (hidden; -s shows it)\nNotes: n1\n");
    EXPECT_EQ(Run({"show", "mail", "-s"}).out, "For: mail\nUsername: joe\nPassword: s3cret\nNotes: n1\n");
    EXPECT_EQ(Run({"show", "mail", "--field", "password"}).out, "s3cret\n");
    EXPECT_EQ(Run({"show", "0", "--field=username"}).out, "joe\n");
    EXPECT_EQ(Run({"show", "0", "--field", "url"}).nCode, 1);
    // Tabs and line breaks inside texts do not break the columns.
    EXPECT_EQ(Run({"ls"}).out, "0\tmail\tjoe\n1\tBank\ta\\tb\n2\tbank\t\n3\tcaf\xC3\xA9\t\n");
}

TEST_F(CliReading, JsonParsesBackToTheEntries)
{
    const json entries = json::parse(Run({"ls", "--json"}).out);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[1], json::parse(R"({"index": 1, "for": "Bank", "username": "a\tb", "notes": "line\r\nbreak"})"));
    EXPECT_EQ(entries[3]["for"], "caf\xC3\xA9");
    for (const json& entry : entries) EXPECT_FALSE(entry.contains("password"));
    // A byte the code page leaves undefined has a character of its own.
    EXPECT_EQ(json::parse(Run({"show", "3", "-s", "--json"}).out)["password"], "p\xEF\x9E\x81");
    EXPECT_FALSE(json::parse(Run({"show", "3", "--json"}).out).contains("password"));

    CliResult r = Run({"search", "BANK", "--json"});
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(json::parse(r.out), json({entries[1], entries[2]}));
    r = Run({"search", "nothing", "--json"});
    EXPECT_EQ(r.nCode, 1);
    EXPECT_EQ(json::parse(r.out), json::array());
    EXPECT_EQ(json::parse(Run({"check", "--json"}).out), json::parse(R"({"locked": false, "entries": 4})"));
}

}  // namespace
