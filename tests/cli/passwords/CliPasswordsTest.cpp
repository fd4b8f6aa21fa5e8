// Making passwords: generate's character classes, and passphrases.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>

#include "cli/CliTestSupport.h"
#include "cli/passwords/PassphraseWords.h"

namespace {

TEST(CliGenerate, PasswordsHoldEveryClassAskedForAndNothingElse)
{
    const char* const kLower = "abcdefghijklmnopqrstuvwxyz";
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> classes;  // one character of each at least, nothing else
        const char* pszEntropy;
    } cases[] = {
        {{"--digits", "--symbols", "--length", "2"}, {"0123456789", "!#%+-.:=?@_"}, "Entropy: 7.8 bits.\n"},
        {{"--lower", "--exclude", "abcdefghijklmnopqrstuvwxy", "--length", "1"}, {"z"}, "Entropy: 0.0 bits.\n"},
        {{"--exclude-similar", "--length", "60", "--upper", "--digits"},
         {"ABCDEFGHJKLMNPQRSTUVWXYZ", "23456789"},
         nullptr},
        {{"--length", "4"}, {kLower, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789", "!#%+-.:=?@_"}, nullptr},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"generate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const std::string strAllowed = std::accumulate(c.classes.begin(), c.classes.end(), std::string());
        const std::size_t nLength = std::stoul(*(std::find(c.args.begin(), c.args.end(), "--length") + 1));
        for (int nRun = 0; nRun < 12; ++nRun) {
            CliResult r = RunCliInProcess(args);
            ASSERT_EQ(r.nCode, 0) << r.err;
            const std::string strPassword = r.out.substr(0, r.out.size() - 1);
            EXPECT_EQ(strPassword.find_first_not_of(strAllowed), std::string::npos) << strPassword;
            EXPECT_EQ(strPassword.size(), nLength) << strPassword;
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
    ASSERT_EQ(RunCliInProcess({"add", folder.Path("db.vty"), "--for", "f", "--words", "4"}).nCode, 0);
    CliResult r = RunCliInProcess({"generate", "--words", "8", "--separator", "/"});
    EXPECT_EQ(r.err, "Entropy: 103.4 bits.\n");
    const std::string strStored =
        ReadDatabaseFile(folder.Path("db.vty"), nullptr).list.GetAt(0).m_strPassword.GetString();
    for (const auto& [strWords, cSeparator, nCount] :
         {std::tuple(r.out, '/', 8), std::tuple(strStored + "\n", ' ', 4)}) {
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

}  // namespace
