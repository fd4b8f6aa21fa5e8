// add DB --for X [--username Y] [--notes Z] [--generate N | --words N] [--totp]:
// appends an entry. Its password is asked for without echo, or generated.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryOutput.h"
#include "cli/base/EntryTexts.h"
#include "cli/base/OtpNotes.h"
#include "cli/otp/OtpSecret.h"
#include "cli/passwords/PasswordGenerator.h"

namespace {

void RunAdd(CCliContext& context)
{
    CEntry entry;
    if (!GetEntryTextOption(context, "--for", entry.m_strFor)) throw CCliError(kExitUsage, "add needs --for");
    GetEntryTextOption(context, "--username", entry.m_strUsername);
    GetEntryTextOption(context, "--notes", entry.m_strNotes);
    GeneratorSettings settings;
    const BOOL bGenerate = ReadGenerateOption(context, settings);

    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    double dBits = 0;
    entry.m_strPassword = bGenerate ? GeneratePassword(settings, dBits) : passwords.ReadEntryPassword();
    if (context.args.Has("--totp")) {
        entry.m_strNotes = SetOtpToken(entry.m_strNotes, OtpTokenToStore(context.codec, passwords.ReadOtpSecret()));
        CheckEntryText("--totp", entry.m_strNotes);
    }
    db.LockForChange();
    int nIndex = db.list.Add(entry);
    db.Save();
    context.Note("Entry " + EntryLabel(context.codec, nIndex, entry) + " added.");
    WarnIfTextFormatLosesIt(context, nIndex, entry);
}

const CliOption kOptions[] = {
    {"--for", TRUE}, {"--username", TRUE}, {"--notes", TRUE}, {"--generate", TRUE}, {"--totp", FALSE},
};

}  // namespace

// clang-format off
const CliCommand kAddCommand = {
    "add", "add DB --for X [--username Y] [--notes Z] [--generate N | --words N] [--totp]", "append an entry",
    "The entry's password is asked for without echo (twice), or with --generate N\n"
    "made of N random characters, or with --words N of N random words (see\n"
    "generate). Says the new entry's index on standard error.\n"
    OTP_OPTION_HELP,
    kOptions, 5, 1, 1, RunAdd, TRUE,
};
// clang-format on
