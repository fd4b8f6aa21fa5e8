// Random passwords and passphrases for entries, from the system's secure random
// source, and the options of generate, add and edit that shape them.
#pragma once

#include "cli/base/CliContext.h"

const int kDefaultGeneratedLength = 20;
const int kMaxGeneratedLength = 1024;
const int kMaxGeneratedWords = 64;

// The characters of each class a generated password draws from. No comma (it
// would split the field in an exported line), no space and no quote or
// backslash (they trip up shells and scripts).
extern const char* const kCharacterClasses[4];  // lower, upper, digits, symbols
extern const char kSimilarCharacters[];         // 0O1lI|, left out by --exclude-similar

// The check trips over the names clang gives the implicit copy of the array member.
struct GeneratorSettings {  // NOLINT(bugprone-reserved-identifier)
    int nLength = kDefaultGeneratedLength;
    CString strClasses[4];  // the characters of each chosen class; empty: not chosen
    int nWords = 0;         // a passphrase of this many words instead, when > 0
    CString strSeparator = " ";
};

// The options every generating command takes (--lower, --upper, --digits,
// --symbols, --exclude-similar, --exclude, --words, --separator).
extern const CliOption kGeneratorOptions[];
extern const int kGeneratorOptionCount;
// What the help of such a command says about them.
extern const char kGeneratorHelp[];

// The settings those options give, with nLength characters. Throws CCliError
// (kExitUsage) when they leave a chosen class without characters, or ask for
// fewer characters than classes.
GeneratorSettings ReadGeneratorSettings(const CCliContext& context, int nLength);

// For add and edit: the settings of --generate N (N characters) or --words N;
// FALSE when neither is given. Throws as ReadGeneratorSettings.
BOOL ReadGenerateOption(const CCliContext& context, GeneratorSettings& settings);

// A password: nLength characters drawn uniformly from the chosen classes, with
// at least one of each (a draw without one is drawn again); or nWords words of
// the EFF large word list joined by the separator. dBits gets its entropy.
// Throws CCliError (kExitIo) when the random source fails.
CString GeneratePassword(const GeneratorSettings& settings, double& dBits);
