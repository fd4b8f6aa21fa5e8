#include "cli/passwords/PatternStrength.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "cli/passwords/CommonWords.h"

namespace {

const std::size_t kLongestPiece = 64;
const double kNoPiece = HUGE_VAL;

// Each word's rank (1: the most common) in the list where it ranks highest.
const std::unordered_map<std::string, int>& WordRanks()
{
    static const std::unordered_map<std::string, int> s_ranks = [] {
        std::unordered_map<std::string, int> ranks;
        for (int i = 0; i < kCommonWordListCount; ++i) {
            int nRank = 0;
            for (const char* p = kCommonWordLists[i]; *p;) {
                const char* pComma = std::strchr(p, ',');
                const std::size_t nLength = pComma ? static_cast<std::size_t>(pComma - p) : std::strlen(p);
                auto added = ranks.emplace(std::string(p, nLength), ++nRank);
                if (!added.second) added.first->second = std::min(added.first->second, nRank);
                p += nLength + (pComma ? 1 : 0);
            }
        }
        return ranks;
    }();
    return s_ranks;
}

bool IsUpper(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsLower(char ch) { return ch >= 'a' && ch <= 'z'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
char Lower(char ch) { return IsUpper(ch) ? static_cast<char>(ch - 'A' + 'a') : ch; }

// The letters that digits and signs stand for in l33t writing; 1 and | stand
// for i, or for l.
const char kLeetSigns[] = "4@8({[<3691!|0$57+%2";
const char kLeetLetters[] = "aabccccegg"
                            "iiiosstt"
                            "xz";

char Unleet(char ch, bool bOneIsL)
{
    const char* pSign = ch ? std::strchr(kLeetSigns, ch) : nullptr;
    if (!pSign) return Lower(ch);
    if (bOneIsL && (ch == '1' || ch == '|')) return 'l';
    return kLeetLetters[pSign - kLeetSigns];
}

// log2 of the characters one brute-force guess tries: those of every class the
// text uses (any byte above ASCII counts as a class of 100).
double CharacterBits(const std::string& strText)
{
    bool bLower = false, bUpper = false, bDigit = false, bSign = false, bOther = false;
    for (char ch : strText) {
        bLower = bLower || IsLower(ch);
        bUpper = bUpper || IsUpper(ch);
        bDigit = bDigit || IsDigit(ch);
        bOther = bOther || static_cast<unsigned char>(ch) >= 0x80;
        bSign = bSign || (static_cast<unsigned char>(ch) < 0x80 && !IsLower(ch) && !IsUpper(ch) && !IsDigit(ch));
    }
    return std::log2(26.0 * bLower + 26.0 * bUpper + 10.0 * bDigit + 33.0 * bSign + 100.0 * bOther);
}

// log2 of the ways to capitalize a word as the piece is: none for lower case, one
// bit for a capital first or last letter or all capitals, else every choice of
// that many capitals (or small letters) among its letters.
double CaseBits(const std::string& strPiece)
{
    int nUpper = 0, nLower = 0;
    for (char ch : strPiece) {
        nUpper += IsUpper(ch);
        nLower += IsLower(ch);
    }
    if (nUpper == 0) return 0;
    if (nLower == 0 || (nUpper == 1 && (IsUpper(strPiece.front()) || IsUpper(strPiece.back())))) return 1;
    double dWays = 0, dChoose = 1;  // dChoose: (nUpper + nLower) over k
    for (int k = 1; k <= std::min(nUpper, nLower); ++k) {
        dChoose = dChoose * (nUpper + nLower - k + 1) / k;
        dWays += dChoose;
    }
    return std::log2(dWays);
}

// A word of the lists, as written, reversed, or in l33t: its rank's bits, a bit
// for the reversal and one for each l33t character.
double WordBits(const std::string& strPiece)
{
    const std::unordered_map<std::string, int>& ranks = WordRanks();
    double dBest = kNoPiece;
    for (int nSpelling = 0; nSpelling < 3; ++nSpelling) {
        std::string word(strPiece.size(), ' ');
        int nLeet = 0;
        for (std::size_t i = 0; i < strPiece.size(); ++i) {
            word[i] = nSpelling == 0 ? Lower(strPiece[i]) : Unleet(strPiece[i], nSpelling == 2);
            nLeet += word[i] != Lower(strPiece[i]);
        }
        for (int nReversed = 0; nReversed < 2; ++nReversed) {
            auto found = ranks.find(word);
            if (found != ranks.end())
                dBest = std::min(dBest, std::log2(found->second) + CaseBits(strPiece) + nLeet + nReversed);
            std::reverse(word.begin(), word.end());
        }
    }
    return dBest;
}

// Letters or digits in steps of one up or down ("abcd", "9876"): the first
// character (an obvious one such as a or 1 counts 4 ways), the direction and the
// length.
double SequenceBits(const std::string& strPiece)
{
    if (strPiece.size() < 3) return kNoPiece;
    const int nStep = strPiece[1] - strPiece[0];
    if (nStep != 1 && nStep != -1) return kNoPiece;
    for (std::size_t i = 1; i < strPiece.size(); ++i) {
        const bool bSameClass = (IsLower(strPiece[i]) && IsLower(strPiece[0])) ||
                                (IsUpper(strPiece[i]) && IsUpper(strPiece[0])) ||
                                (IsDigit(strPiece[i]) && IsDigit(strPiece[0]));
        if (!bSameClass || strPiece[i] - strPiece[i - 1] != nStep) return kNoPiece;
    }
    double dStarts = IsDigit(strPiece[0]) ? 10 : 26;
    if (std::strchr("aAzZ019", strPiece[0])) dStarts = 4;
    return std::log2(dStarts * (nStep < 0 ? 2 : 1) * static_cast<double>(strPiece.size()));
}

// Neighbouring keys of one row of a US keyboard, either way ("qwert", "lkjh"):
// the first key, the direction and the length.
double KeyboardBits(const std::string& strPiece)
{
    static const char* const kRows[] = {"`1234567890-=", "qwertyuiop[]\\", "asdfghjkl;'",  "zxcvbnm,./",
                                        "~!@#$%^&*()_+", "QWERTYUIOP{}|",  "ASDFGHJKL:\"", "ZXCVBNM<>?"};
    if (strPiece.size() < 3) return kNoPiece;
    std::string reversed(strPiece.rbegin(), strPiece.rend());
    for (const char* pszRow : kRows)
        for (const std::string& keys : {strPiece, reversed})
            if (std::strstr(pszRow, keys.c_str())) return std::log2(47.0 * 2 * 2 * static_cast<double>(keys.size()));
    return kNoPiece;
}

// How far a year lies from now, as an attacker counts years: at least 20.
double YearWays(int nYear) { return std::max(std::abs(nYear - 2025), 20); }

// A date of three groups of digits: day and month before a year of two or four
// digits, or the year first. HUGE_VAL when they are no date.
double DateGroupBits(const std::string (&groups)[3])
{
    auto year = [](const std::string& strGroup) {
        const int n = std::stoi(strGroup);
        return strGroup.size() == 4 ? n : strGroup.size() == 2 ? (n < 50 ? 2000 + n : 1900 + n) : 0;
    };
    auto day = [](const std::string& strGroup) { return strGroup.size() <= 2 ? std::stoi(strGroup) : 0; };
    auto valid = [](int nDay, int nMonth, int nYear) {
        return nDay >= 1 && nDay <= 31 && nMonth >= 1 && nMonth <= 12 && nYear >= 1900 && nYear <= 2099;
    };
    const int nFirst = day(groups[0]), nSecond = day(groups[1]), nThird = day(groups[2]);
    const int nYearLast = year(groups[2]), nYearFirst = year(groups[0]);
    if (valid(nFirst, nSecond, nYearLast) || valid(nSecond, nFirst, nYearLast))
        return std::log2(365 * YearWays(nYearLast));
    if (valid(nThird, nSecond, nYearFirst)) return std::log2(365 * YearWays(nYearFirst));
    return kNoPiece;
}

// A year from 1900 to 2099; a date of six or eight digits, or of three groups of
// digits between two equal separators ("25.12.1984"), which cost two bits more.
double DateBits(const std::string& strPiece)
{
    const std::size_t nSeparator = strPiece.find_first_not_of("0123456789");
    if (nSeparator == std::string::npos) {
        const std::size_t nSize = strPiece.size();
        if (nSize == 4) {
            const int nYear = std::stoi(strPiece);
            return nYear >= 1900 && nYear <= 2099 ? std::log2(YearWays(nYear)) : kNoPiece;
        }
        if (nSize != 6 && nSize != 8) return kNoPiece;
        const std::string yearLast[3] = {strPiece.substr(0, 2), strPiece.substr(2, 2), strPiece.substr(4)};
        const std::string yearFirst[3] = {strPiece.substr(0, nSize - 4), strPiece.substr(nSize - 4, 2),
                                          strPiece.substr(nSize - 2)};
        return std::min(DateGroupBits(yearLast), DateGroupBits(yearFirst));
    }
    std::string groups[3];
    std::size_t nFrom = 0;
    for (std::string& strGroup : groups) {
        if (nFrom > strPiece.size()) return kNoPiece;
        const std::size_t nTo = std::min(strPiece.find(strPiece[nSeparator], nFrom), strPiece.size());
        strGroup = strPiece.substr(nFrom, nTo - nFrom);
        if (strGroup.empty() || strGroup.size() > 4 || strGroup.find_first_not_of("0123456789") != std::string::npos)
            return kNoPiece;
        nFrom = nTo + 1;
    }
    return nFrom == strPiece.size() + 1 ? DateGroupBits(groups) + 2 : kNoPiece;
}

double CheapestCut(const std::string& strPassword);

// The piece again and again ("abcabc", "aaaa"): the piece once, and how often.
double RepeatBits(const std::string& strPiece)
{
    for (std::size_t nUnit = 1; nUnit <= strPiece.size() / 2; ++nUnit) {
        if (strPiece.size() % nUnit) continue;
        bool bRepeats = true;
        for (std::size_t i = nUnit; i < strPiece.size() && bRepeats; ++i) bRepeats = strPiece[i] == strPiece[i - nUnit];
        if (bRepeats)
            return CheapestCut(strPiece.substr(0, nUnit)) +
                   std::log2(static_cast<double>(strPiece.size()) / static_cast<double>(nUnit));
    }
    return kNoPiece;
}

double PieceBits(const std::string& strPiece)
{
    return std::min(
        {WordBits(strPiece), SequenceBits(strPiece), KeyboardBits(strPiece), DateBits(strPiece), RepeatBits(strPiece)});
}

// best[j]: the fewest bits for the first j characters, each step a piece or a
// single character.
double CheapestCut(const std::string& strPassword)
{
    const double dCharacter = CharacterBits(strPassword);
    std::vector<double> best(strPassword.size() + 1, 0);
    for (std::size_t j = 1; j <= strPassword.size(); ++j) {
        best[j] = best[j - 1] + dCharacter;
        for (std::size_t i = j > kLongestPiece ? j - kLongestPiece : 0; i + 1 < j; ++i)
            best[j] = std::min(best[j], best[i] + PieceBits(strPassword.substr(i, j - i)));
    }
    return best.back();
}

}  // namespace

double PatternGuessBits(const std::string& strPassword) { return CheapestCut(strPassword); }
