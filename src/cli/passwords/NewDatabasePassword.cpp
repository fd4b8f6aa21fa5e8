#include "cli/passwords/NewDatabasePassword.h"

#include "cli/passwords/PasswordGenerator.h"
#include "cli/passwords/PasswordStrength.h"

namespace {

const int kSuggestedWords = 6;

// The warning for a password within the attacker's century, and at a terminal
// the question whether to keep it. strEstimate says where dBits comes from.
void WarnIfWeak(CCliContext& context, double dBits, const CString& strEstimate, BOOL bAsk)
{
    if (!FallsWithinACentury(dBits)) return;
    CString strGuesses;
    strGuesses.Format("2^%.1f guesses", dBits);
    const CString strTime = TimeToGuessText(dBits);
    CString strSuggested;
    strSuggested.Format("%d", kSuggestedWords);
    context.Note("vaultry-cli: warning: an attacker who has the file and makes 10^10 guesses a second would find "
                 "this password in " +
                 strTime + " (" + strEstimate + ": " + strGuesses +
                 "). The file has no key stretching, so the password alone protects it: a passphrase of " +
                 strSuggested + " random words (--words " + strSuggested + ") would take " +
                 TimeToGuessText(PassphraseBits(kSuggestedWords, kMaxDatabasePasswordLength)) + ".");
    if (!bAsk || context.args.Has("--yes")) return;
    CString strAnswer;
    const TerminalRead read =
        context.terminal.ReadShown("Keep this password, found in " + strTime + "? [y/N] ", strAnswer);
    strAnswer.MakeLower();
    if (read == TerminalRead::ok && (strAnswer == "y" || strAnswer == "yes")) return;
    if (read == TerminalRead::noTerminal) return;
    throw CCliError(kExitUsage, "the weak password was not used; nothing was changed");
}

CString MakePassphrase(CCliContext& context, int nWords)
{
    const double dBits = PassphraseBits(nWords, kMaxDatabasePasswordLength);
    CString strAbout;
    strAbout.Format("A passphrase of %d words of the EFF large word list: 2^%.1f guesses, ", nWords, dBits);
    if (!context.terminal.Show(strAbout + TimeToGuessText(dBits) + " at 10^10 guesses a second.\n"))
        throw CCliError(kExitUsage, "--words shows the new passphrase on the terminal, and there is none");
    CString strEstimate;
    strEstimate.Format("%d words", nWords);
    WarnIfWeak(context, dBits, strEstimate, TRUE);
    GeneratorSettings settings;
    settings.nWords = nWords;
    CString strPassphrase;
    double dDrawnBits = 0;
    do {
        strPassphrase = GeneratePassword(settings, dDrawnBits);
    } while (strPassphrase.GetLength() > kMaxDatabasePasswordLength);
    context.terminal.Show("\n    " + strPassphrase + "\n\nWrite it down and keep it safe: it is not shown again.\n");
    CString strTyped;
    if (context.terminal.ReadHidden("Type the passphrase back: ", strTyped) != TerminalRead::ok ||
        strTyped != strPassphrase)
        throw CCliError(kExitUsage, "the passphrase typed back differs; nothing was changed");
    return strPassphrase;
}

}  // namespace

CString ChooseNewDatabasePassword(CCliContext& context, CPasswordInput& passwords)
{
    const int nWords = context.args.GetNumber("--words", 0, 1, kMaxPassphraseWords);
    if (context.args.Has("--no-lock")) {
        if (nWords) throw CCliError(kExitUsage, "--words makes a password, and --no-lock leaves the database without");
        return CString();
    }
    if (nWords) return MakePassphrase(context, nWords);
    const CString strPassword = passwords.ReadNewDatabasePassword();
    std::string utf8 = context.codec.ToUtf8(strPassword);
    const double dBits = EstimateGuessBits(utf8);
    SecureZero(&utf8[0], utf8.size());
    WarnIfWeak(context, dBits, kStrengthEstimator, passwords.ReadsFromTerminal());
    return strPassword;
}
