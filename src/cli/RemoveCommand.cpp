// rm DB INDEX: deletes one entry; the entries after it move up by one.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"

namespace {

void RunRemove(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    db.list.RemoveAt(db.ParseIndex(context.args.GetOperand(1)));
    db.Save();
}

}  // namespace

const CliCommand kRemoveCommand = {
    "rm", "rm DB INDEX", "delete an entry",
    "The entries after it take the next lower index.\n",
    nullptr, 0, 2, 2, RunRemove,
};
