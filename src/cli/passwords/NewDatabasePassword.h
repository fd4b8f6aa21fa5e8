// The new password of create and passwd. It is typed, or with --words N made
// here: a passphrase of N words of the EFF large word list, shown once on the
// terminal and typed back before it is used. A password that an attacker with
// the file, making 10^10 guesses a second, would find within a century is
// warned about on standard error; at a terminal the user is then asked whether
// to keep it (--yes: not asked). Without a terminal, or when the password came
// from standard input, the warning alone, so that scripts keep working.
#pragma once

#include "cli/base/PasswordInput.h"

const int kMaxPassphraseWords = 8;  // more rarely fit the 56 characters

#ifdef VAULTRY_HAVE_ZXCVBN
#define NEW_PASSWORD_ESTIMATE "zxcvbn"
#else
#define NEW_PASSWORD_ESTIMATE                                                                                          \
    "vaultry-cli's own\n"                                                                                              \
    "estimate, as this build has no zxcvbn library: zxcvbn's lists of common\n"                                        \
    "passwords, words and names, keyboard rows, sequences, repeats, years, dates,\n"                                   \
    "capitals and l33t"
#endif

// What the help of create and passwd says about them.
#define NEW_PASSWORD_HELP                                                                                              \
    "The file has no key stretching, so its password alone protects it: the\n"                                         \
    "new password's guesses are estimated by " NEW_PASSWORD_ESTIMATE ".\n"                                             \
    "When an attacker who has the file and makes 10^10 guesses a second (graphics\n"                                   \
    "cards running Blowfish's key schedule) would find it within a century, a\n"                                       \
    "warning says so on standard error; at a terminal you are then asked whether\n"                                    \
    "to keep it, unless --yes is given. --words N makes the password a passphrase\n"                                   \
    "of N words (1 to 8; 6 suggested, 5 fall within the century) of the EFF large\n"                                   \
    "word list, at most 56 characters, and says its exact strength: it is shown once\n"                                \
    "on the terminal (refused without one) and you type it back once.\n"

class CNewDatabasePassword {
public:
    // Reads the options --no-lock, --words N and --yes, which create and passwd
    // take, before anything is asked. Throws CCliError (kExitUsage) for a wrong
    // number of words, or --words with --no-lock.
    explicit CNewDatabasePassword(CCliContext& context);

    // The new password in the database's code page; empty with --no-lock.
    // Throws CCliError (kExitUsage) when a weak password is not to be kept, or a
    // passphrase has no terminal to be shown on or is typed back wrong.
    CString Choose(CPasswordInput& passwords);

private:
    void WarnIfWeak(double dBits, const CString& strEstimate, BOOL bAsk);
    CString MakePassphrase();

    CCliContext& m_context;
    int m_nWords;
};
