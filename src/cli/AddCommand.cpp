// add DB --for X [--username Y] [--notes Z] [--generate N]: appends an entry. Its
// password is asked for without echo, or generated.
#include <ostream>

#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryTexts.h"
#include "cli/PasswordGenerator.h"

namespace {

void RunAdd(CCliContext& context)
{
    CEntry entry;
    if (!GetEntryTextOption(context, "--for", entry.m_strFor)) throw CCliError(kExitUsage, "add needs --for");
    GetEntryTextOption(context, "--username", entry.m_strUsername);
    GetEntryTextOption(context, "--notes", entry.m_strNotes);
    int nGenerate = context.args.GetNumber("--generate", 0, 1, kMaxGeneratedLength);

    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    entry.m_strPassword = nGenerate ? GeneratePassword(nGenerate) : passwords.ReadEntryPassword();
    int nIndex = db.list.Add(entry);
    db.Save();
    context.out << "Entry " << nIndex << " added.\n";
    WarnIfTextFormatLosesIt(context, nIndex, entry);
}

const CliOption kOptions[] = {
    {"--for", TRUE},
    {"--username", TRUE},
    {"--notes", TRUE},
    {"--generate", TRUE},
};

}  // namespace

const CliCommand kAddCommand = {
    "add", "add DB --for X [--username Y] [--notes Z] [--generate N]", "append an entry",
    "The entry's password is asked for without echo (twice), or with --generate N\n"
    "made of N random characters (see generate). Prints the new entry's index.\n",
    kOptions, 4, 1, 1, RunAdd,
};
