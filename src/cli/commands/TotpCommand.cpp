// totp DB ENTRY [--json | --clip [--timeout S]]: the current one-time code of
// the secret in an entry's Notes.
#include <ostream>

#include "cli/base/CliDatabase.h"
#include "cli/base/EntryLookup.h"
#include "cli/base/EntryOutput.h"
#include "cli/base/OtpNotes.h"
#include "cli/clipboard/ClipboardHold.h"
#include "cli/commands/Commands.h"
#include "cli/formats/EntryJson.h"
#include "cli/otp/TotpCode.h"
#include "cli/terminal/InterruptCatcher.h"

namespace {

const int kMinSecondsLeft = 5;  // --clip waits for the next code when fewer are left

// The secret of the first one-time code token in the entry's Notes.
OtpSecret EntrySecret(const CCliContext& context, const CString& strEntry, const CEntry& entry)
{
    OtpNotesToken token;
    if (!FindOtpToken(entry.m_strNotes, token))
        throw CCliError(kExitUsage, strEntry + " has no one-time code secret in its Notes (an otpauth://totp/ URI, " +
                                        "or \"totp:\" and a Base32 secret)");
    try {
        return ParseOtpSecret(context.codec, entry.m_strNotes.Mid(token.nValue, token.nEnd - token.nValue), token.bUri);
    } catch (const CCliError& e) {
        throw CCliError(kExitUsage, "the one-time code secret of " + strEntry + " cannot be used: " + e.m_strMessage);
    }
}

long long ClockTime(const CCliContext& context)
{
    const long long nTime = context.environment.UnixTime();
    if (nTime < 0) throw CCliError(kExitUsage, "the system's clock is set before 1970");
    return nTime;
}

void RunTotp(CCliContext& context)
{
    const BOOL bClip = context.args.Has("--clip");
    if (bClip && context.args.Has("--json")) throw CCliError(kExitUsage, "give either --clip or --json");
    if (!bClip && context.args.Has("--timeout")) throw CCliError(kExitUsage, "--timeout goes with --clip");
    const int nTimeout = context.args.GetNumber("--timeout", kDefaultClipTimeout, 1, kMaxClipTimeout);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    const int nIndex = FindEntry(context, db.strPath, db.list, context.args.GetOperand(1));
    const CEntry& entry = db.list.ElementAt(nIndex);
    const CString strEntry = "entry " + EntryLabel(context.codec, nIndex, entry);
    const OtpSecret secret = EntrySecret(context, strEntry, entry);
    long long nTime = ClockTime(context);
    int nLeft = TotpSecondsLeft(secret, nTime);
    if (bClip && nLeft < kMinSecondsLeft) {
        CString strWait;
        strWait.Format("The code changes in %d s; waiting for the next one.", nLeft);
        context.Note(strWait);
        CInterruptCatcher interrupts;
        if (interrupts.Wait(static_cast<DWORD>(nLeft) * 1000)) {
            interrupts.Resend();
            throw CCliError(kExitUsage, "interrupted; nothing was copied");
        }
        nTime = ClockTime(context);
        nLeft = TotpSecondsLeft(secret, nTime);
    }
    const CString strCode = TotpCode(secret, nTime);
    CString strNote;
    strNote.Format("Valid for %d more %s (time used: %s UTC).", nLeft, nLeft == 1 ? "second" : "seconds",
                   UtcTimeText(nTime, FALSE).GetString());
    if (bClip) {
        context.Note(strNote);
        std::string text = strCode.GetString();
        HoldOnClipboard(context, text, "The one-time code of " + strEntry, nTimeout);
        return;
    }
    if (context.args.Has("--json")) {
        nlohmann::ordered_json result = {{"index", nIndex}, {"for", context.codec.ToUtf8(entry.m_strFor)}};
        if (!secret.label.IsEmpty()) result["label"] = secret.label.GetString();
        result["code"] = strCode.GetString();
        result["valid_for"] = nLeft;
        result["time"] = UtcTimeText(nTime, TRUE).GetString();
        WriteJson(context.out, result);
    } else {
        context.out << strCode.GetString() << '\n';
    }
    context.Note(strNote);
}

const CliOption kOptions[] = {{"--json", FALSE}, {"--clip", FALSE}, {"--timeout", TRUE}};

}  // namespace

// clang-format off
const CliCommand kTotpCommand = {
    "totp", "totp DB ENTRY [--json | --clip [--timeout S]]", "print the entry's current one-time code",
    "Prints the one-time code (TOTP, RFC 6238) of the secret in the entry's Notes:\n"
    "an otpauth://totp/ URI there, as sites' two-factor set-up pages give it\n"
    "(digits 6 to 8, period, algorithm SHA1, SHA256 or SHA512), or \"totp:\" and a\n"
    "bare Base32 secret (6 digits every 30 s by SHA1); add and edit store one with\n"
    "--totp. Standard error says how many seconds the code stays valid and the UTC\n"
    "time it was made for, so that a wrong clock shows. --json prints an object\n"
    "with \"index\", \"for\", \"label\" (the URI's), \"code\", \"valid_for\" and \"time\".\n"
    "--clip copies the code to the clipboard instead, as clip does (cleared after S\n"
    "seconds, 10 unless given); with fewer than 5 seconds left it waits for the\n"
    "next code first. show -s, show --field notes, export and clip --field notes\n"
    "show the secret; elsewhere it is hidden as the password is.\n"
    ENTRY_OPERAND_HELP,
    kOptions, 3, 2, 2, RunTotp,
};
// clang-format on
