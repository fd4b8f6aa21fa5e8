#include "cli/passwords/NewDatabasePassword.h"

#include "cli/passwords/PasswordGenerator.h"
#include "cli/passwords/PasswordStrength.h"

namespace {

const int kSuggestedWords = 6;

}  // namespace

CNewDatabasePassword::CNewDatabasePassword(CCliContext& context)
    : m_context(context), m_nWords(context.args.GetNumber("--words", 0, 1, kMaxPassphraseWords))
{
    if (m_nWords && context.args.Has("--no-lock"))
        throw CCliError(kExitUsage, "--words makes a password, and --no-lock leaves the database without");
}

// The warning for a password within the attacker's century, and at a terminal
// the question whether to keep it. strEstimate says where dBits comes from.
void CNewDatabasePassword::WarnIfWeak(double dBits, const CString& strEstimate, BOOL bAsk)
{
    if (!FallsWithinACentury(dBits)) return;
    CString strGuesses;
    strGuesses.Format("2^%.1f guesses", dBits);
    const CString strTime = TimeToGuessText(dBits);
    CString strSuggested;
    strSuggested.Format("%d", kSuggestedWords);
    m_context.Note("vaultry-cli: warning: an attacker who has the file and makes 10^10 guesses a second would find "
                   "this password in " +
                   strTime + " (" + strEstimate + ": " + strGuesses +
                   "). The file has no key stretching, so the password alone protects it: a passphrase of " +
                   strSuggested + " random words (--words " + strSuggested + ") would take " +
                   TimeToGuessText(PassphraseBits(kSuggestedWords, kMaxDatabasePasswordLength)) + ".");
    if (!bAsk || m_context.args.Has("--yes")) return;
    CString strAnswer;
    const TerminalRead read =
        m_context.terminal.ReadShown("Keep this password, found in " + strTime + "? [y/N] ", strAnswer);
    strAnswer.MakeLower();
    if (read == TerminalRead::ok && (strAnswer == "y" || strAnswer == "yes")) return;
    if (read == TerminalRead::noTerminal) return;
    throw CCliError(kExitUsage, "the weak password was not used; nothing was changed");
}

CString CNewDatabasePassword::MakePassphrase()
{
    const double dBits = PassphraseBits(m_nWords, kMaxDatabasePasswordLength);
    CString strAbout;
    strAbout.Format("A passphrase of %d words of the EFF large word list: 2^%.1f guesses, ", m_nWords, dBits);
    if (!m_context.terminal.Show(strAbout + TimeToGuessText(dBits) + " at 10^10 guesses a second.\n"))
        throw CCliError(kExitUsage, "--words shows the new passphrase on the terminal, and there is none");
    CString strEstimate;
    strEstimate.Format("%d words", m_nWords);
    WarnIfWeak(dBits, strEstimate, TRUE);
    GeneratorSettings settings;
    settings.nWords = m_nWords;
    CString strPassphrase;
    double dDrawnBits = 0;
    do {
        strPassphrase = GeneratePassword(settings, dDrawnBits);
    } while (strPassphrase.GetLength() > kMaxDatabasePasswordLength);
    m_context.terminal.Show("\n    " + strPassphrase + "\n\nWrite it down and keep it safe: it is not shown again.\n");
    CString strTyped;
    if (m_context.terminal.ReadHidden("Type the passphrase back: ", strTyped) != TerminalRead::ok ||
        strTyped != strPassphrase)
        throw CCliError(kExitUsage, "the passphrase typed back differs; nothing was changed");
    return strPassphrase;
}

CString CNewDatabasePassword::Choose(CPasswordInput& passwords)
{
    if (m_context.args.Has("--no-lock")) return CString();
    if (m_nWords) return MakePassphrase();
    const CString strPassword = passwords.ReadNewDatabasePassword();
    std::string utf8 = m_context.codec.ToUtf8(strPassword);
    const double dBits = EstimateGuessBits(utf8);
    SecureZero(&utf8[0], utf8.size());
    WarnIfWeak(dBits, kStrengthEstimator, passwords.ReadsFromTerminal());
    return strPassword;
}
