// passwd DB [--no-lock | --words N] [-y | --yes]: enciphers the database again
// under a new password, or with the built-in key so that it opens without one.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/passwords/NewDatabasePassword.h"

namespace {

void RunPasswd(CCliContext& context)
{
    CNewDatabasePassword newPassword(context);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    const CString strPassword = newPassword.Choose(passwords);
    db.LockForChange();
    SetDatabaseKey(db, strPassword);
    db.Save();
    context.Note(strPassword.IsEmpty() ? db.strPath + " is no longer locked."
                                       : "The password of " + db.strPath + " was changed.");
}

const CliOption kOptions[] = {{"--no-lock", FALSE}, {"--words", TRUE}, {"--yes", FALSE, "-y"}};

}  // namespace

// clang-format off
const CliCommand kPasswdCommand = {
    "passwd", "passwd DB [--no-lock | --words N] [-y | --yes]", "change the password, or unlock the database",
    "Asks for the current password (when the database is locked), then for the new\n"
    "one twice. With --no-lock the database is saved unlocked.\n"
    NEW_PASSWORD_HELP,
    kOptions, 3, 1, 1, RunPasswd,
};
// clang-format on
