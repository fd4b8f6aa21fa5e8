// create DB [--no-lock | --words N] [-y | --yes]: a new database with no
// entries. It never replaces an existing file.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/passwords/NewDatabasePassword.h"

namespace {

void RunCreate(CCliContext& context)
{
    CNewDatabasePassword newPassword(context);
    CCliDatabase db(context);
    db.StartNew(context.PathOperand(0));
    CPasswordInput passwords(context);
    const CString strPassword = newPassword.Choose(passwords);
    SetDatabaseKey(db, strPassword);
    db.Save();
    context.Note(db.strPath + (strPassword.IsEmpty() ? " created, not locked." : " created."));
}

const CliOption kOptions[] = {{"--no-lock", FALSE}, {"--words", TRUE}, {"--yes", FALSE, "-y"}};

}  // namespace

// clang-format off
const CliCommand kCreateCommand = {
    "create", "create DB [--no-lock | --words N] [-y | --yes]", "make a new database with no entries",
    "Asks for the new password twice. With --no-lock the database is not locked:\n"
    "it is enciphered with the built-in key and opens without a password.\n"
    "An existing file is never replaced.\n"
    NEW_PASSWORD_HELP,
    kOptions, 3, 1, 1, RunCreate,
};
// clang-format on
