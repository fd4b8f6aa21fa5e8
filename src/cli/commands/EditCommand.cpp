// edit DB ENTRY [--for X] [--username Y] [--notes Z] [--password | --generate N |
// --words N] [--totp]: changes the texts given and keeps the others.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryFields.h"
#include "cli/base/EntryLookup.h"
#include "cli/base/EntryOutput.h"
#include "cli/base/EntryTexts.h"
#include "cli/base/OtpNotes.h"
#include "cli/otp/OtpSecret.h"
#include "cli/passwords/PasswordGenerator.h"

namespace {

const LPCTSTR kTextOptions[4] = {"--for", "--username", nullptr, "--notes"};

void RunEdit(CCliContext& context)
{
    const CCommandLine& args = context.args;
    const BOOL bAskPassword = args.Has("--password");
    GeneratorSettings settings;
    const BOOL bGenerate = ReadGenerateOption(context, settings);
    if (bAskPassword && bGenerate) throw CCliError(kExitUsage, "give either --password or --generate/--words");
    CEntry changes;
    BOOL bChanged[4] = {};
    for (int i = 0; i < 4; ++i)
        bChanged[i] = kTextOptions[i] && GetEntryTextOption(context, kTextOptions[i], FieldText(changes, i));
    const BOOL bTotp = args.Has("--totp");
    if (!bAskPassword && !bGenerate && !bChanged[0] && !bChanged[1] && !bChanged[3] && !bTotp)
        throw CCliError(kExitUsage, "nothing to change: give --for, --username, --notes, --password, --generate, "
                                    "--words or --totp");

    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    const int nIndex = FindEntry(context, db.strPath, db.list, args.GetOperand(1));
    double dBits = 0;
    if (bAskPassword) changes.m_strPassword = passwords.ReadEntryPassword();
    if (bGenerate) changes.m_strPassword = GeneratePassword(settings, dBits);
    bChanged[kPasswordField] = bAskPassword || bGenerate;
    const CString strOtpToken = bTotp ? OtpTokenToStore(context.codec, passwords.ReadOtpSecret()) : CString();
    CEntry entry = db.list.GetAt(nIndex);
    db.LockForChange();
    db.RequireEntry(nIndex, entry);
    for (int i = 0; i < 4; ++i)
        if (bChanged[i]) FieldText(entry, i) = FieldText(changes, i);
    if (bTotp) {
        entry.m_strNotes = SetOtpToken(entry.m_strNotes, strOtpToken);
        CheckEntryText("--totp", entry.m_strNotes);
    }
    db.list.SetAt(nIndex, entry);
    db.Save();
    context.Note("Entry " + EntryLabel(context.codec, nIndex, entry) + " changed.");
    WarnIfTextFormatLosesIt(context, nIndex, entry);
}

const CliOption kOptions[] = {
    {"--for", TRUE},       {"--username", TRUE}, {"--notes", TRUE},
    {"--password", FALSE}, {"--generate", TRUE}, {"--totp", FALSE},
};

}  // namespace

// clang-format off
const CliCommand kEditCommand = {
    "edit", "edit DB ENTRY [--for X] [--username Y] [--notes Z] [--password | --generate N | --words N] [--totp]",
    "change an entry",
    "Changes only the texts given; an empty value empties a text. --password asks\n"
    "for the new password without echo (twice); --generate N makes a random one of\n"
    "N characters, --words N a passphrase of N words.\n"
    OTP_OPTION_HELP
    ENTRY_OPERAND_HELP,
    kOptions, 6, 2, 2, RunEdit, TRUE,
};
// clang-format on
