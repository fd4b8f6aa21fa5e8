#include "cli/passwords/PasswordStrength.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "cli/passwords/PassphraseWords.h"

#ifdef VAULTRY_HAVE_ZXCVBN
#include <zxcvbn.h>
const char kStrengthEstimator[] = "zxcvbn";
#else
#include "cli/passwords/PatternStrength.h"
const char kStrengthEstimator[] = "vaultry-cli's estimate";
#endif

namespace {

bool IsListWord(const std::string& strWord)
{
    for (unsigned i = 0; i < kPassphraseWordCount; ++i)
        if (strWord == kPassphraseWords[i]) return true;
    return false;
}

// Words of the list joined by the first character that is no small letter: a
// word's bits each, and those of the separator (one of 33 signs) unless it is a
// space. HUGE_VAL for anything else.
double WordListBits(const std::string& strPassword)
{
    const std::size_t nSeparator = strPassword.find_first_not_of("abcdefghijklmnopqrstuvwxyz");
    const char chSeparator = nSeparator == std::string::npos ? ' ' : strPassword[nSeparator];
    int nWords = 0;
    for (std::size_t nFrom = 0;; ++nWords) {
        const std::size_t nTo = std::min(strPassword.find(chSeparator, nFrom), strPassword.size());
        if (!IsListWord(strPassword.substr(nFrom, nTo - nFrom))) return HUGE_VAL;
        if (nTo == strPassword.size()) break;
        nFrom = nTo + 1;
    }
    return (nWords + 1) * std::log2(static_cast<double>(kPassphraseWordCount)) +
           (nWords > 0 && chSeparator != ' ' ? std::log2(33.0) : 0);
}

}  // namespace

double EstimateGuessBits(const std::string& strPassword)
{
#ifdef VAULTRY_HAVE_ZXCVBN
    const double dBits = ZxcvbnMatch(strPassword.c_str(), nullptr, nullptr);
#else
    const double dBits = PatternGuessBits(strPassword);
#endif
    return std::min(dBits, WordListBits(strPassword));
}

double PassphraseBits(int nWords, int nMaxLength)
{
    // ways[n]: how many sequences of the words drawn so far have n letters.
    const int nLetters = nMaxLength - (nWords - 1);
    if (nWords < 1 || nLetters < 0) return -HUGE_VAL;
    std::vector<double> ways(static_cast<std::size_t>(nLetters) + 1, 0.0);
    ways[0] = 1;
    for (int w = 0; w < nWords; ++w) {
        std::vector<double> next(ways.size(), 0.0);
        for (unsigned i = 0; i < kPassphraseWordCount; ++i) {
            const std::size_t nLength = std::strlen(kPassphraseWords[i]);
            for (std::size_t n = 0; n + nLength < ways.size(); ++n) next[n + nLength] += ways[n];
        }
        ways.swap(next);
    }
    double dTotal = 0;
    for (double dWays : ways) dTotal += dWays;
    return std::log2(dTotal);
}

BOOL FallsWithinACentury(double dBits) { return std::exp2(dBits) / kAttackGuessesPerSecond < 100 * kSecondsPerYear; }

CString TimeToGuessText(double dBits)
{
    static const struct {
        double dSeconds;
        LPCTSTR pszOne, pszMany;
    } kUnits[] = {
        {100 * kSecondsPerYear, "century", "centuries"},
        {kSecondsPerYear, "year", "years"},
        {24 * 3600, "day", "days"},
        {3600, "hour", "hours"},
        {60, "minute", "minutes"},
        {1, "second", "seconds"},
    };
    const double dSeconds = std::exp2(dBits) / kAttackGuessesPerSecond;
    CString strText = "less than a second";
    for (const auto& unit : kUnits) {
        if (dSeconds < unit.dSeconds) continue;
        double dCount = dSeconds / unit.dSeconds;
        if (dCount >= 1e6) {
            strText.Format("about 10^%d %s", static_cast<int>(std::floor(std::log10(dCount))), unit.pszMany);
            break;
        }
        // Two significant digits at most: an estimate, not a count.
        const double dPlace = dCount < 100 ? 1 : std::pow(10, std::floor(std::log10(dCount)) - 1);
        dCount = std::round(dCount / dPlace) * dPlace;
        strText.Format("about %.0f %s", dCount, dCount == 1 ? unit.pszOne : unit.pszMany);
        break;
    }
    return strText;
}
