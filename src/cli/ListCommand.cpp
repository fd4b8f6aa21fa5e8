// ls DB: one line per entry, its index, For and Username; never a password.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryOutput.h"

namespace {

void RunList(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    for (int i = 0; i < db.list.GetCount(); ++i) WriteEntrySummary(context.out, context.codec, i, db.list.ElementAt(i));
}

}  // namespace

const CliCommand kListCommand = {
    "ls", "ls DB", "list the entries: index, For and Username",
    "Prints one line per entry: its index (from 0), For and Username, separated\n"
    "by tabs. Passwords are never listed; use show.\n",
    nullptr, 0, 1, 1, RunList,
};
