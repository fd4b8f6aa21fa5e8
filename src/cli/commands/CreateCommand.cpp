// create DB [--no-lock]: a new database with no entries. It never replaces an
// existing file.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"

namespace {

void RunCreate(CCliContext& context)
{
    CCliDatabase db(context);
    db.StartNew(context.PathOperand(0));
    CString strPassword;
    if (!context.args.Has("--no-lock")) strPassword = CPasswordInput(context).ReadNewDatabasePassword();
    SetDatabaseKey(db, strPassword);
    db.Save();
    context.Note(db.strPath + (strPassword.IsEmpty() ? " created, not locked." : " created."));
}

const CliOption kOptions[] = {{"--no-lock", FALSE}};

}  // namespace

// clang-format off
const CliCommand kCreateCommand = {
    "create", "create DB [--no-lock]", "make a new database with no entries",
    "Asks for the new password twice. With --no-lock the database is not locked:\n"
    "it is enciphered with the built-in key and opens without a password.\n"
    "An existing file is never replaced.\n",
    kOptions, 1, 1, 1, RunCreate,
};
// clang-format on
