// rm DB ENTRY [-y | --yes]: deletes one entry, after asking on the terminal; the
// entries after it move up by one.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryLookup.h"
#include "cli/base/EntryOutput.h"

namespace {

// Asks the user; TRUE for "y" or "yes" in any case.
BOOL Confirm(CCliContext& context, const CString& strQuestion)
{
    CString strAnswer;
    switch (context.terminal.ReadShown(strQuestion + " [y/N] ", strAnswer)) {
    case TerminalRead::ok:
        break;
    case TerminalRead::noTerminal:
        throw CCliError(kExitUsage, "rm asks before it deletes, and there is no terminal to ask on; give --yes");
    case TerminalRead::ended:
        return FALSE;
    }
    strAnswer.MakeLower();
    return strAnswer == "y" || strAnswer == "yes";
}

void RunRemove(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    const int nIndex = FindEntry(context, db.strPath, db.list, context.args.GetOperand(1));
    const CEntry entry = db.list.GetAt(nIndex);
    const CString strLabel = EntryLabel(context.codec, nIndex, entry);
    if (!context.args.Has("--yes") && !Confirm(context, "Delete entry " + strLabel + "?"))
        throw CCliError(kExitUsage, "entry " + strLabel + " was not deleted");
    db.LockForChange();
    db.RequireEntry(nIndex, entry);
    db.list.RemoveAt(nIndex);
    db.Save();
    context.Note("Entry " + strLabel + " deleted.");
}

const CliOption kOptions[] = {{"--yes", FALSE, "-y"}};

}  // namespace

// clang-format off
const CliCommand kRemoveCommand = {
    "rm", "rm DB ENTRY [-y | --yes]", "delete an entry",
    "Asks \"Delete entry N (For)? [y/N]\" on the terminal first; --yes deletes\n"
    "without asking, and is needed where there is no terminal. The entries after\n"
    "it take the next lower index.\n"
    ENTRY_OPERAND_HELP,
    kOptions, 1, 2, 2, RunRemove,
};
// clang-format on
