// check DB: reads the whole file and tells whether it is a readable database.
#include <ostream>

#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/formats/EntryJson.h"

namespace {

void RunCheck(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    if (context.args.Has("--json")) {
        nlohmann::ordered_json result = {{"locked", db.wLocked == 1}, {"entries", db.list.GetCount()}};
        WriteJson(context.out, result);
        return;
    }
    CString strMessage;
    strMessage.Format("%s: a readable Vaultry database, %s, with %d %s.\n", db.strPath.GetString(),
                      db.wLocked == 1 ? "locked" : "not locked", db.list.GetCount(),
                      db.list.GetCount() == 1 ? "entry" : "entries");
    context.out << strMessage.GetString();
}

const CliOption kOptions[] = {{"--json", FALSE}};

}  // namespace

// clang-format off
const CliCommand kCheckCommand = {
    "check", "check DB [--json]", "tell whether a file is a readable database",
    "Reads and deciphers the whole file (asking for the password when it is locked)\n"
    "and prints how many entries it holds. The exit status is 0 only when it reads.\n"
    "The format has no check value. A wrong password is told by records that do\n"
    "not end exactly at the 10 filler bytes that end every database, which catches\n"
    "it all but certainly, not by proof; a database with no entries opens with any\n"
    "password. --json prints {\"locked\": true|false, \"entries\": N}.\n",
    kOptions, 1, 1, 1, RunCheck,
};
// clang-format on
