// edit DB INDEX [--for X] [--username Y] [--notes Z] [--password | --generate N]:
// changes the texts given and keeps the others.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryTexts.h"
#include "cli/PasswordGenerator.h"

namespace {

const LPCTSTR kTextOptions[] = {"--for", "--username", "--notes"};

CString& FieldOf(CEntry& entry, int nOption)
{
    return nOption == 0 ? entry.m_strFor : (nOption == 1 ? entry.m_strUsername : entry.m_strNotes);
}

void RunEdit(CCliContext& context)
{
    const CCommandLine& args = context.args;
    BOOL bAskPassword = args.Has("--password");
    int nGenerate = args.GetNumber("--generate", 0, 1, kMaxGeneratedLength);
    if (bAskPassword && nGenerate) throw CCliError(kExitUsage, "give either --password or --generate");
    CEntry changes;
    BOOL bChanged[3] = {};
    for (int i = 0; i < 3; ++i) bChanged[i] = GetEntryTextOption(context, kTextOptions[i], FieldOf(changes, i));
    if (!bAskPassword && !nGenerate && !bChanged[0] && !bChanged[1] && !bChanged[2])
        throw CCliError(kExitUsage, "nothing to change: give --for, --username, --notes, --password or --generate");

    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    int nIndex = db.ParseIndex(args.GetOperand(1));
    CEntry entry = db.list.GetAt(nIndex);
    for (int i = 0; i < 3; ++i)
        if (bChanged[i]) FieldOf(entry, i) = FieldOf(changes, i);
    if (bAskPassword) entry.m_strPassword = passwords.ReadEntryPassword();
    if (nGenerate) entry.m_strPassword = GeneratePassword(nGenerate);
    db.list.SetAt(nIndex, entry);
    db.Save();
    WarnIfTextFormatLosesIt(context, nIndex, entry);
}

const CliOption kOptions[] = {
    {"--for", TRUE},
    {"--username", TRUE},
    {"--notes", TRUE},
    {"--password", FALSE},
    {"--generate", TRUE},
};

}  // namespace

const CliCommand kEditCommand = {
    "edit", "edit DB INDEX [--for X] [--username Y] [--notes Z] [--password | --generate N]",
    "change an entry",
    "Changes only the texts given; an empty value empties a text. --password asks\n"
    "for the new password without echo (twice); --generate N makes a random one.\n",
    kOptions, 5, 2, 2, RunEdit,
};
