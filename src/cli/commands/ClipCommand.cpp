// clip DB ENTRY [--field F] [--timeout S]: copies the password (or another text)
// of an entry to the clipboard and clears it again after S seconds.
#include "cli/base/CliDatabase.h"
#include "cli/clipboard/ClipboardHold.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryFields.h"
#include "cli/base/EntryLookup.h"
#include "cli/base/EntryOutput.h"

namespace {

void RunClip(CCliContext& context)
{
    const int nField = GetFieldOption(context, kPasswordField);
    const int nTimeout = context.args.GetNumber("--timeout", kDefaultClipTimeout, 1, kMaxClipTimeout);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    const int nIndex = FindEntry(context, db.strPath, db.list, context.args.GetOperand(1));
    const CEntry& entry = db.list.ElementAt(nIndex);
    std::string text = context.codec.ToUtf8(FieldText(entry, nField));
    HoldOnClipboard(context, text,
                    CString("The ") + kFieldNames[nField] + " of entry " + EntryLabel(context.codec, nIndex, entry),
                    nTimeout);
}

const CliOption kOptions[] = {{kFieldOption, TRUE}, {"--timeout", TRUE}};

}  // namespace

// clang-format off
const CliCommand kClipCommand = {
    "clip", "clip DB ENTRY [--field F] [--timeout S]", "copy a password to the clipboard for a while",
    "Copies the entry's password (or with --field for|username|notes that text)\n"
    "to the clipboard, and clears the clipboard after S seconds (10 unless given)\n"
    "unless it has changed meanwhile; Ctrl+C clears it at once. On a terminal it\n"
    "counts down. vaultry-cli.exe marks the copy so that Windows' clipboard history\n"
    "and cloud clipboard leave it out; elsewhere it uses wl-copy (Wayland), xclip\n"
    "or xsel (X11).\n"
    ENTRY_OPERAND_HELP,
    kOptions, 2, 2, 2, RunClip,
};
// clang-format on
