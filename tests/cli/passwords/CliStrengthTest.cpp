// A new database password fit for a format without key stretching: its
// estimate, the warning within the century an attacker making 10^10 guesses a
// second needs, the question at a terminal, and passphrases made by --words.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/CliCommandsFixture.h"
#include "cli/passwords/PasswordStrength.h"
#include "cli/passwords/PatternStrength.h"

namespace {

// Both estimates (zxcvbn's and vaultry-cli's own, which vaultry-cli.exe uses)
// know common passwords and their patterns, and take random characters for what
// they are; the own one gives the figure its warning shows. Words of the EFF
// list count as such, whatever the estimator says.
TEST(CliStrength, EstimatesKnowCommonPasswordsAndPatterns)
{
    const struct {
        const char* pszPassword;
        double dLow, dHigh, dOwn;
    } cases[] = {
        {"Password1!", 0, 20, 15.13},
        {"P@ssw0rd", 0, 10, 4},                   // l33t
        {"drowssap", 0, 10, 2},                   // reversed
        {"ThisIsALongerPassword", 20, 30, 25.4},  // capitals inside
        {"qwertyuiop", 0, 15, 4.46},
        {"zxcvbnm,./", 8, 15, 10.88},
        {"abcdefgh12345678", 0, 10, 6.58},
        {"aaaaaaaaaaaaaaaaaaaa", 0, 12, 9.02},
        {"abcabcabcabc", 0, 10, 5.58},
        {"987654", 0, 10, 5.58},   // descending
        {"he11o", 0, 15, 8.38},    // 1 for l
        {"wxyz{|", 0, 25, 18.47},  // no sequence across classes
        {"/01234567", 0, 15, 10.43},
        {"caf\xc3\xa9", 0, 40, 34.89},  // bytes above ASCII
        {"25.12.1984", 10, 20, 15.87},
        {"19841225", 10, 20, 13.87},
        {"1900", 0, 15, 6.97},  // the first year counted as one
        {"Zebra42", 20, 30, 24.91},
        {"Tr0ub4dor&3", 40, 50, 45.58},
        {"q7#Vw!2pLx9@Rt4Zm8", 100, 115, 108.53},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszPassword);
        const double dBits = EstimateGuessBits(c.pszPassword);
        EXPECT_TRUE(dBits >= c.dLow && dBits <= c.dHigh) << dBits;
        EXPECT_NEAR(PatternGuessBits(c.pszPassword), c.dOwn, 0.01);
    }
    const double dWord = std::log2(7776.0);
    EXPECT_DOUBLE_EQ(EstimateGuessBits("tidal unmoved grafted skeleton sanded"), 5 * dWord);
    EXPECT_DOUBLE_EQ(EstimateGuessBits("tidal-unmoved"), 2 * dWord + std::log2(33.0));
    EXPECT_DOUBLE_EQ(EstimateGuessBits("tidal-unmoved-grafted-skeleton-sanded-lily"), 6 * dWord + std::log2(33.0));
    EXPECT_GT(EstimateGuessBits("tidal unmoved grafted skeleton sandedx"), 80);  // one word is none of the list
}

// The century falls between five and six words; times read as a person says them.
TEST(CliStrength, CenturyAndTimeToGuess)
{
    const struct {
        double dBits;
        BOOL bWithin;
        const char* pszTime;
    } cases[] = {
        {0, TRUE, "less than a second"},       {36, TRUE, "about 7 seconds"},
        {45, TRUE, "about 59 minutes"},        {52, TRUE, "about 5 days"},
        {64.77, TRUE, "about 100 years"},      {64.78, FALSE, "about 1 century"},
        {77.5, FALSE, "about 6800 centuries"}, {120, FALSE, "about 10^16 centuries"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FallsWithinACentury(c.dBits), c.bWithin) << c.dBits;
        EXPECT_EQ(TimeToGuessText(c.dBits), CString(c.pszTime)) << c.dBits;
    }
    // Passphrases that must fit 56 characters: all of one or six words nearly
    // do; of eight words, most do not.
    const double dWord = std::log2(7776.0);
    EXPECT_DOUBLE_EQ(PassphraseBits(1, 56), dWord);
    EXPECT_NEAR(PassphraseBits(6, 56), 6 * dWord - 0.003, 0.001);
    EXPECT_NEAR(PassphraseBits(8, 56), 8 * dWord - 3.74, 0.01);
    EXPECT_TRUE(FallsWithinACentury(PassphraseBits(5, 56)) && !FallsWithinACentury(PassphraseBits(6, 56)));
    EXPECT_EQ(PassphraseBits(15, 56), -HUGE_VAL);
}

// Without a terminal (or from standard input) the warning alone, with the
// estimate and the advice; nothing else stops a script.
TEST_F(CliCommands, WeakNewPasswordsAreWarnedAbout)
{
    const std::string kWarning =
        std::string("*vaultry-cli: warning: an attacker who has the file and makes 10^10 guesses "
                    "a second would find this password in less than a second (") +
        kStrengthEstimator +
        ": 2^*). The file has no key stretching*(--words 6) would take "
        "about 7000 centuries.\n";
    Run({
        {"create @weak.vty --password-stdin", "Password1!\n", 0, "", kWarning + "@weak.vty created.\n"},
        {"passwd @weak.vty --password-stdin", "Password1!\nPassword1!\nq7#Vw!2pLx9@Rt4Zm8\n", 0, "",
         "The password of @weak.vty was changed.\n"},
        {"passwd @db.vty --password-stdin --yes", "pw\nletmein\n", 0, "", kWarning + "The password of @db.vty"},
        {"create @x.vty --no-lock --words 6", "", 1, "", "*--words makes a password, and --no-lock"},
        {"create @x.vty --words 6", "", 1, "", "*--words shows the new passphrase on the terminal, and there is none"},
        {"passwd @db.vty --words 9", "", 1, "", "*--words must be a number from 1 to 8"},
    });
}

// At a terminal the user is asked whether to keep a weak password, unless --yes.
TEST_F(CliCommands, WeakNewPasswordsAreAskedAboutAtTheTerminal)
{
    const std::string kKeep = "Keep this password, found in less than a second? [y/N] ";
    const struct {
        const char* pszArgs;
        std::deque<std::string> answers;
        int nCode;
        std::vector<std::string> prompts;  // after the two of the new password
    } cases[] = {
        {"", {"Password1!", "Password1!", "n"}, 1, {kKeep}},
        {"", {"Password1!", "Password1!"}, 1, {kKeep}},  // the input ends
        {"", {"Password1!", "Password1!", "YES"}, 0, {kKeep}},
        {"--yes", {"Password1!", "Password1!"}, 0, {}},
        {"", {"q7#Vw!2pLx9@Rt4Zm8", "q7#Vw!2pLx9@Rt4Zm8"}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.back());
        std::filesystem::remove(At("@new.vty"));
        CScriptedTerminal terminal;
        terminal.answers = c.answers;
        std::vector<std::string> args = {"create", At("@new.vty")};
        if (*c.pszArgs) args.push_back(c.pszArgs);
        const CliResult r = RunCliInProcess(args, "", &terminal);
        EXPECT_EQ(r.nCode, c.nCode) << r.err;
        std::vector<std::string> prompts = {"New password: ", "Repeat the new password: "};
        prompts.insert(prompts.end(), c.prompts.begin(), c.prompts.end());
        EXPECT_EQ(terminal.prompts, prompts);
        EXPECT_EQ(std::filesystem::exists(At("@new.vty")), c.nCode == 0);
        const std::string strEnd =
            c.nCode ? "vaultry-cli: the weak password was not used; nothing was changed\n" : At("@new.vty created.\n");
        EXPECT_EQ(r.err.substr(r.err.size() - std::min(r.err.size(), strEnd.size())), strEnd);
    }
}

// --words: a passphrase of words of the list, at most 56 characters, shown on
// the terminal only and used once typed back right; five words fall within the
// century and are asked about.
TEST_F(CliCommands, WordsMakeAPassphraseShownOnceAndTypedBack)
{
    const struct {
        std::vector<std::string> args;
        std::string in, strKeep;  // standard input; the answer to the question, if asked
        bool bTypedRight;
        int nCode;
    } cases[] = {
        {{"create", "@new.vty", "--words", "8"}, "", "", true, 0},
        {{"create", "@new.vty", "--words", "8"}, "", "", true, 0},
        {{"create", "@new.vty", "--words", "5"}, "", "y", true, 0},
        {{"create", "@new.vty", "--words", "6"}, "", "", false, 1},
        {{"passwd", "@db.vty", "--words", "6", "--password-stdin"}, "pw\n", "", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[3]);
        std::filesystem::remove(At("@new.vty"));
        std::vector<std::string> args;
        for (const std::string& arg : c.args) args.push_back(At(arg));
        CScriptedTerminal terminal;
        if (!c.strKeep.empty()) terminal.answers.push_back(c.strKeep);
        // The passphrase is shown indented on a line of its own.
        auto shownPhrase = [&] {
            const std::size_t nAt = terminal.shown.find("\n    ");
            return nAt == std::string::npos
                       ? std::string()
                       : terminal.shown.substr(nAt + 5, terminal.shown.find('\n', nAt + 5) - nAt - 5);
        };
        terminal.beforeAnswer = [&] {
            if (terminal.prompts.back() == "Type the passphrase back: ")
                terminal.answers.push_back(c.bTypedRight ? shownPhrase() : shownPhrase() + " ");
        };
        const CliResult r = RunCliInProcess(args, c.in, &terminal);
        EXPECT_EQ(r.nCode, c.nCode) << r.err;
        const std::string strPhrase = shownPhrase();
        EXPECT_LE(strPhrase.size(), 56u);
        EXPECT_EQ(static_cast<int>(std::count(strPhrase.begin(), strPhrase.end(), ' ')) + 1, std::stoi(c.args[3]));
        EXPECT_EQ(r.err.find(strPhrase), std::string::npos);
        EXPECT_EQ(r.err.find("warning") != std::string::npos, !c.strKeep.empty()) << r.err;
        EXPECT_EQ(terminal.prompts.size(), c.strKeep.empty() ? 1u : 2u);
        if (c.nCode == 0) {
            EXPECT_EQ(ReadDatabaseFile(args[1], strPhrase.c_str()).wLocked, 1);
        } else {
            EXPECT_FALSE(std::filesystem::exists(args[1]));
        }
    }
}

}  // namespace
