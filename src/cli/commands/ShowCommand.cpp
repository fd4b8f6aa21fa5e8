// show DB ENTRY [-s] [--field F] [--json]: the texts of one entry; its password
// only when asked for.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryFields.h"
#include "cli/base/EntryLookup.h"
#include "cli/base/EntryOutput.h"
#include "cli/formats/EntryJson.h"

namespace {

void RunShow(CCliContext& context)
{
    const BOOL bPassword = context.args.Has("--show-password");
    const int nField = GetFieldOption(context, -1);
    if (nField >= 0 && context.args.Has("--json")) throw CCliError(kExitUsage, "give either --field or --json");
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    const int nIndex = FindEntry(context, db.strPath, db.list, context.args.GetOperand(1));
    const CEntry& entry = db.list.ElementAt(nIndex);
    if (nField >= 0) {
        WriteText(context.out, context.codec.ToStream(FieldText(entry, nField)));
        context.out << '\n';
    } else if (context.args.Has("--json")) {
        WriteJson(context.out, EntryJson(context.codec, nIndex, entry, bPassword));
    } else {
        WriteEntryDetails(context.out, context.codec, entry, bPassword);
    }
}

const CliOption kOptions[] = {
    {"--show-password", FALSE, "-s"},
    {kFieldOption, TRUE},
    {"--json", FALSE},
};

}  // namespace

// clang-format off
const CliCommand kShowCommand = {
    "show", "show DB ENTRY [-s | --show-password] [--field F] [--json]", "show one entry",
    "Prints the entry's For, Username, Password and Notes, one per line; the\n"
    "password only with --show-password. --field for|username|password|notes\n"
    "prints that one text alone, as it is, and a line end. --json prints the entry\n"
    "as a JSON object (\"index\", \"for\", \"username\", \"notes\", and \"password\"\n"
    "with --show-password).\n"
    ENTRY_OPERAND_HELP,
    kOptions, 3, 2, 2, RunShow,
};
// clang-format on
