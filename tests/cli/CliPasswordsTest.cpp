// Making and judging passwords: generate's classes and passphrases, and audit.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <numeric>
#include <set>
#include <sstream>

#include "CliTestSupport.h"
#include "cli/PassphraseWords.h"
#include "cli/PasswordAudit.h"

namespace {

using nlohmann::json;

TEST(CliGenerate, PasswordsHoldEveryClassAskedForAndNothingElse)
{
    const char* const kLower = "abcdefghijklmnopqrstuvwxyz";
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> classes;   // one character of each at least, nothing else
        const char* pszEntropy;
    } cases[] = {
        {{"--digits", "--symbols", "--length", "2"}, {"0123456789", "!#%+-.:=?@_"}, "Entropy: 7.8 bits.\n"},
        {{"--lower", "--exclude", "abcdefghijklmnopqrstuvwxy", "--length", "3"}, {"z"}, "Entropy: 0.0 bits.\n"},
        {{"--exclude-similar", "--length", "60", "--upper", "--digits"}, {"ABCDEFGHJKLMNPQRSTUVWXYZ", "23456789"}, nullptr},
        {{"--length", "4"}, {kLower, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789", "!#%+-.:=?@_"}, nullptr},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"generate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const std::string strAllowed = std::accumulate(c.classes.begin(), c.classes.end(), std::string());
        for (int nRun = 0; nRun < 12; ++nRun) {
            CliResult r = RunCliInProcess(args);
            ASSERT_EQ(r.nCode, 0) << r.err;
            const std::string strPassword = r.out.substr(0, r.out.size() - 1);
            EXPECT_EQ(strPassword.find_first_not_of(strAllowed), std::string::npos) << strPassword;
            for (const std::string& strClass : c.classes)
                EXPECT_NE(strPassword.find_first_of(strClass), std::string::npos) << strPassword;
            EXPECT_EQ(r.err, c.pszEntropy ? c.pszEntropy : r.err);
        }
    }
}

// Passphrases are words of the list, for generate and for add.
TEST(CliGenerate, PassphrasesAreWordsOfTheList)
{
    const std::set<std::string> list(kPassphraseWords, kPassphraseWords + kPassphraseWordCount);
    TempFolder folder;
    WriteDatabaseFile(folder.Path("db.vty"), CEntryList(), nullptr);
    EXPECT_EQ(RunCliInProcess({"add", folder.Path("db.vty"), "--for", "f", "--words", "4"}).nCode, 0);
    CliResult r = RunCliInProcess({"generate", "--words", "8", "--separator", "/"});
    EXPECT_EQ(r.err, "Entropy: 103.4 bits.\n");
    const std::string strStored = ReadDatabaseFile(folder.Path("db.vty"), nullptr).list.GetAt(0).m_strPassword.GetString();
    for (const auto& [strWords, cSeparator, nCount] : {std::tuple(r.out, '/', 8), std::tuple(strStored + "\n", ' ', 4)}) {
        std::istringstream words(strWords.substr(0, strWords.size() - 1));
        std::set<std::string> seen;
        int nWords = 0;
        for (std::string word; std::getline(words, word, cSeparator); ++nWords) {
            EXPECT_EQ(list.count(word), 1u) << word;
            seen.insert(word);
        }
        EXPECT_EQ(nWords, nCount);
        EXPECT_GT(seen.size(), 1u);
    }
}

// Planted weaknesses are found, named and counted; passwords stay unshown.
TEST(CliAudit, FindsReusedEmptyShortAndGuessablePasswords)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty"), strGood = folder.Path("good.vty");
    WriteDatabaseFile(strDb,
                      MakeList({CEntry("mail", "joe", "Tr0ub4dor&3xyzQ", ""), CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", ""),
                                CEntry("bank", "ann", "Tr0ub4dor&3xyzQ", ""), CEntry("shop", "", "", ""),
                                CEntry("x", "y", "Sh0rt!", ""), CEntry("server", "Administrator01", "administrator01", "")}),
                      nullptr);
    WriteDatabaseFile(strGood, MakeList({CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", "")}), nullptr);
    // Each finding ends its line where a password would follow.
    CliResult r = RunCliInProcess({"audit", strDb});
    EXPECT_EQ(r.nCode, 1);
    for (const char* pszLine : {"Same password: 0 (mail), 2 (bank)\n0 (mail): shares its password with other entries\n",
                                "\n3 (shop): empty password", "\n4 (x): short password (under 12 characters)",
                                "\n5 (server): password equals its Username"})
        EXPECT_NE(r.out.find(pszLine), std::string::npos) << r.out;
    EXPECT_NE(RunCliInProcess({"audit", strDb, "-s"}).out.find("; password: Tr0ub4dor&3xyzQ\n"), std::string::npos);
    r = RunCliInProcess({"audit", strGood});
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.out.rfind("0 of 1 entry flagged", 0), 0u) << r.out;
    const json report = json::parse(RunCliInProcess({"audit", strDb, "--json"}).out);
    EXPECT_EQ(report["reused"], json::parse("[[0, 2]]"));
    EXPECT_EQ(report["flagged"], 5);
    std::vector<int> flagged;
    for (const json& item : report["findings"]) flagged.push_back(item["index"]);
    EXPECT_EQ(flagged, (std::vector<int>{0, 2, 3, 4, 5}));
    const json& shortOne = report["findings"][3];
    EXPECT_TRUE(shortOne["short"] && !shortOne["empty"] && !shortOne.contains("password"));
    EXPECT_EQ(report["strength_estimate"] == "zxcvbn", HaveStrengthEstimate() != FALSE);
    EXPECT_TRUE(!HaveStrengthEstimate() || (shortOne["weak"] && !report["findings"][0]["weak"]));
}

}  // namespace
