#include "cli/passwords/PasswordGenerator.h"

#include <cmath>

#include "cli/passwords/PassphraseWords.h"
#include "cli/base/SecureRandom.h"

const char* const kCharacterClasses[4] = {
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789",
    "!#%+-.:=?@_",
};
const char kSimilarCharacters[] = "0O1lI|";

const CliOption kGeneratorOptions[] = {
    {"--lower", FALSE},           {"--upper", FALSE},  {"--digits", FALSE}, {"--symbols", FALSE},
    {"--exclude-similar", FALSE}, {"--exclude", TRUE}, {"--words", TRUE},   {"--separator", TRUE},
};
const int kGeneratorOptionCount = sizeof kGeneratorOptions / sizeof kGeneratorOptions[0];

const char kGeneratorHelp[] = "Generated passwords draw on lower-case letters, capitals, digits and the signs\n"
                              "! # % + - . : = ? @ _ (never a comma, quote, backslash or space); with any of\n"
                              "--lower, --upper, --digits, --symbols only on those classes, with at least one\n"
                              "character of each. --exclude-similar leaves out 0 O 1 l I |, --exclude CHARS\n"
                              "the characters given. --words N makes a passphrase of N words (up to 64) of the\n"
                              "EFF large word list instead, joined by spaces or --separator S.\n";

namespace {

// A number from 0 to n - 1, each equally likely: draws at or above the largest
// multiple of n are drawn again.
unsigned RandomBelow(unsigned n)
{
    const unsigned long long nRange = 1ull << 32;
    const unsigned long long nLimit = nRange - nRange % n;
    for (;;) {
        unsigned char bytes[4];
        if (!SecureRandomBytes(bytes, sizeof bytes)) throw CCliError(kExitIo, "the system's random source failed");
        const unsigned long long nDraw =
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned long long>(bytes[3]) << 24;
        SecureZero(bytes, sizeof bytes);
        if (nDraw < nLimit) return static_cast<unsigned>(nDraw % n);
    }
}

CString Without(const CString& strFrom, const CString& strLeftOut)
{
    CString strKept;
    for (int i = 0; i < strFrom.GetLength(); ++i)
        if (strLeftOut.Find(strFrom[i]) < 0) strKept += strFrom[i];
    return strKept;
}

// log2 of how many strings of nLength characters hold one of every chosen
// class, by inclusion and exclusion over the classes left out.
double CharacterBits(const GeneratorSettings& settings, int nAlphabet)
{
    double dShare = 0;
    for (unsigned mask = 0; mask < 16; ++mask) {
        int nLeft = nAlphabet, nOut = 0;
        for (int c = 0; c < 4; ++c)
            if (mask & (1u << c)) {
                if (settings.strClasses[c].IsEmpty()) nLeft = -1;
                nLeft -= settings.strClasses[c].GetLength();
                ++nOut;
            }
        if (nLeft >= 0)
            dShare += (nOut % 2 ? -1 : 1) * std::pow(static_cast<double>(nLeft) / nAlphabet, settings.nLength);
    }
    return settings.nLength * std::log2(static_cast<double>(nAlphabet)) + std::log2(dShare);
}

}  // namespace

GeneratorSettings ReadGeneratorSettings(const CCliContext& context, int nLength)
{
    static const LPCTSTR kClassOptions[4] = {"--lower", "--upper", "--digits", "--symbols"};
    static const LPCTSTR kClassNames[4] = {"lower-case letters", "capitals", "digits", "signs"};
    const CCommandLine& args = context.args;
    GeneratorSettings settings;
    settings.nLength = nLength;
    settings.nWords = args.GetNumber("--words", 0, 1, kMaxGeneratedWords);
    if (args.GetValue("--separator", settings.strSeparator))
        settings.strSeparator = context.codec.FromArgument(settings.strSeparator, "--separator");
    CString strExclude;
    if (args.GetValue("--exclude", strExclude)) strExclude = context.codec.FromArgument(strExclude, "--exclude");
    if (args.Has("--exclude-similar")) strExclude += kSimilarCharacters;
    BOOL bAnyChosen = FALSE;
    for (const LPCTSTR pszOption : kClassOptions) bAnyChosen = bAnyChosen || args.Has(pszOption);
    int nClasses = 0;
    for (int c = 0; c < 4; ++c) {
        if (bAnyChosen && !args.Has(kClassOptions[c])) continue;
        settings.strClasses[c] = Without(kCharacterClasses[c], strExclude);
        if (settings.strClasses[c].IsEmpty())
            throw CCliError(kExitUsage, CString("the characters left out leave no ") + kClassNames[c]);
        ++nClasses;
    }
    if (settings.nWords == 0 && settings.nLength < nClasses) {
        CString strMessage;
        strMessage.Format("a password with one character of each of %d classes needs at least %d characters", nClasses,
                          nClasses);
        throw CCliError(kExitUsage, strMessage);
    }
    return settings;
}

BOOL ReadGenerateOption(const CCliContext& context, GeneratorSettings& settings)
{
    const int nLength = context.args.GetNumber("--generate", 0, 1, kMaxGeneratedLength);
    settings = ReadGeneratorSettings(context, nLength ? nLength : kDefaultGeneratedLength);
    return nLength > 0 || settings.nWords > 0;
}

CString GeneratePassword(const GeneratorSettings& settings, double& dBits)
{
    CString strPassword;
    if (settings.nWords > 0) {
        for (int i = 0; i < settings.nWords; ++i) {
            if (i) strPassword += settings.strSeparator;
            strPassword += kPassphraseWords[RandomBelow(kPassphraseWordCount)];
        }
        dBits = settings.nWords * std::log2(static_cast<double>(kPassphraseWordCount));
        return strPassword;
    }
    CString strAlphabet;
    for (const CString& strClass : settings.strClasses) strAlphabet += strClass;
    const unsigned nAlphabet = static_cast<unsigned>(strAlphabet.GetLength());
    for (BOOL bAllClasses = FALSE; !bAllClasses;) {
        strPassword.Empty();
        for (int i = 0; i < settings.nLength; ++i) strPassword += strAlphabet[static_cast<int>(RandomBelow(nAlphabet))];
        bAllClasses = TRUE;
        for (const CString& strClass : settings.strClasses)
            if (!strClass.IsEmpty() && Without(strClass, strPassword).GetLength() == strClass.GetLength())
                bAllClasses = FALSE;
    }
    dBits = CharacterBits(settings, static_cast<int>(nAlphabet));
    return strPassword;
}
