// Making and judging passwords: generate's classes and passphrases, and audit.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "CliTestSupport.h"
#include "cli/PassphraseWords.h"
#include "cli/PasswordAudit.h"

namespace {

using nlohmann::json;

bool HasOneOf(const std::string& text, const char* pszCharacters)
{
    return text.find_first_of(pszCharacters) != std::string::npos;
}

TEST(CliGenerate, PasswordsHoldEveryClassAskedForAndNothingElse)
{
    const struct {
        std::vector<std::string> args;
        const char* pszAllowed;
        std::vector<const char*> required;  // one character of each at least
        const char* pszEntropy;
    } cases[] = {
        {{"--digits", "--symbols", "--length", "2"},
         "0123456789!#%+-.:=?@_",
         {"0123456789", "!#%+-.:=?@_"},
         "Entropy: 7.8 bits.\n"},  // 2 * 10 * 11 of the 21 * 21 strings
        {{"--lower", "--exclude", "abcdefghijklmnopqrstuvwxy", "--length", "3"}, "z", {"z"}, "Entropy: 0.0 bits.\n"},
        {{"--exclude-similar", "--length", "60", "--upper", "--digits"},
         "ABCDEFGHJKLMNPQRSTUVWXYZ23456789",
         {"ABCDEFGHJKLMNPQRSTUVWXYZ", "23456789"},
         nullptr},
        {{"--length", "4"},
         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#%+-.:=?@_",
         {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789", "!#%+-.:=?@_"},
         nullptr},
    };
    for (const auto& c : cases) {
        for (int nRun = 0; nRun < 12; ++nRun) {
            std::vector<std::string> args = {"generate"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            CliResult r = RunCliInProcess(args);
            ASSERT_EQ(r.nCode, 0) << r.err;
            const std::string strPassword = r.out.substr(0, r.out.size() - 1);
            EXPECT_EQ(strPassword.find_first_not_of(c.pszAllowed), std::string::npos) << strPassword;
            for (const char* pszClass : c.required) EXPECT_TRUE(HasOneOf(strPassword, pszClass)) << strPassword;
            if (c.pszEntropy) {
                EXPECT_EQ(r.err, c.pszEntropy);
            }
        }
    }
    EXPECT_EQ(RunCliInProcess({"generate", "--digits", "--exclude", "0123456789"}).nCode, 1);
    EXPECT_EQ(RunCliInProcess({"generate", "--length", "3", "--lower", "--upper", "--digits", "--symbols"}).nCode, 1);
}

TEST(CliGenerate, PassphrasesAreWordsOfTheList)
{
    const std::set<std::string> list(kPassphraseWords, kPassphraseWords + kPassphraseWordCount);
    EXPECT_EQ(list.size(), 7776u);
    CliResult r = RunCliInProcess({"generate", "--words", "8", "--separator", "/"});
    EXPECT_EQ(r.err, "Entropy: 103.4 bits.\n");
    std::istringstream words(r.out);
    std::set<std::string> seen;
    int nWords = 0;
    for (std::string word; std::getline(words, word, '/'); ++nWords) {
        if (!word.empty() && word.back() == '\n') word.pop_back();
        EXPECT_EQ(list.count(word), 1u) << word;
        seen.insert(word);
    }
    EXPECT_EQ(nWords, 8);
    EXPECT_GT(seen.size(), 1u);

    TempFolder folder;
    WriteDatabaseFile(folder.Path("db.vty"), CEntryList(), nullptr);
    EXPECT_EQ(RunCliInProcess({"add", folder.Path("db.vty"), "--for", "f", "--words", "4"}).nCode, 0);
    const CString strStored = ReadDatabaseFile(folder.Path("db.vty"), nullptr).list.GetAt(0).m_strPassword;
    std::istringstream stored(strStored.GetString());
    nWords = 0;
    for (std::string word; stored >> word; ++nWords) EXPECT_EQ(list.count(word), 1u) << word;
    EXPECT_EQ(nWords, 4);
}

// Planted weaknesses are found, named and counted; passwords stay unshown.
TEST(CliAudit, FindsReusedEmptyShortAndGuessablePasswords)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    WriteDatabaseFile(
        strDb,
        MakeList({CEntry("mail", "joe", "Tr0ub4dor&3xyzQ", ""), CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", ""),
                  CEntry("bank", "ann", "Tr0ub4dor&3xyzQ", ""), CEntry("shop", "", "", ""),
                  CEntry("x", "y", "Sh0rt!", ""), CEntry("server", "Administrator01", "administrator01", "")}),
        nullptr);
    CliResult r = RunCliInProcess({"audit", strDb});
    EXPECT_EQ(r.nCode, 1);
    EXPECT_EQ(r.out.find("Tr0ub4dor"), std::string::npos);
    EXPECT_EQ(r.out.rfind("Same password: 0 (mail), 2 (bank)\n0 (mail): shares its password with other entries\n", 0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\n3 (shop): empty password\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n5 (server): password equals its Username"), std::string::npos) << r.out;
    EXPECT_NE(RunCliInProcess({"audit", strDb, "-s"}).out.find("; password: Tr0ub4dor&3xyzQ\n"), std::string::npos);

    const json report = json::parse(RunCliInProcess({"audit", strDb, "--json"}).out);
    EXPECT_EQ(report["reused"], json::parse("[[0, 2]]"));
    EXPECT_EQ(report["flagged"], 5);
    std::vector<int> flagged;
    for (const json& item : report["findings"]) flagged.push_back(item["index"]);
    EXPECT_EQ(flagged, (std::vector<int>{0, 2, 3, 4, 5}));
    const json& shortOne = report["findings"][3];
    EXPECT_TRUE(shortOne["short"]);
    EXPECT_FALSE(shortOne["empty"]);
    EXPECT_FALSE(shortOne.contains("password"));
    EXPECT_EQ(report["strength_estimate"] == "zxcvbn", HaveStrengthEstimate() != FALSE);
    if (HaveStrengthEstimate()) {
        EXPECT_TRUE(shortOne["weak"]);
        EXPECT_FALSE(report["findings"][0]["weak"]);
    }

    RunCliInProcess({"rm", strDb, "0", "--yes"});
    for (int i = 0; i < 4; ++i) RunCliInProcess({"rm", strDb, "1", "--yes"});
    r = RunCliInProcess({"audit", strDb});
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.out.rfind("0 of 1 entry flagged", 0), 0u) << r.out;
}

}  // namespace
