// show DB INDEX: the four texts of one entry, its password included.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryOutput.h"

namespace {

void RunShow(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    int nIndex = db.ParseIndex(context.args.GetOperand(1));
    WriteEntryDetails(context.out, context.codec, db.list.ElementAt(nIndex));
}

}  // namespace

const CliCommand kShowCommand = {
    "show", "show DB INDEX", "show one entry, its password included",
    "Prints the entry's For, Username, Password and Notes, one per line.\n",
    nullptr, 0, 2, 2, RunShow,
};
