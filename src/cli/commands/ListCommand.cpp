// ls DB [--json]: one line per entry, its index, For and Username; never a
// password.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryOutput.h"
#include "cli/formats/EntryJson.h"

namespace {

void RunList(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    WriteEntries(context, db.list, nullptr);
}

const CliOption kOptions[] = {{"--json", FALSE}};

}  // namespace

void WriteEntries(CCliContext& context, const CEntryList& list, const std::vector<int>* pIndexes)
{
    const int nCount = pIndexes ? static_cast<int>(pIndexes->size()) : list.GetCount();
    if (context.args.Has("--json")) {
        nlohmann::ordered_json entries = nlohmann::ordered_json::array();
        for (int i = 0; i < nCount; ++i) {
            const int nIndex = pIndexes ? (*pIndexes)[i] : i;
            entries.push_back(EntryJson(context.codec, nIndex, list.ElementAt(nIndex), FALSE));
        }
        WriteJson(context.out, entries);
        return;
    }
    for (int i = 0; i < nCount; ++i) {
        const int nIndex = pIndexes ? (*pIndexes)[i] : i;
        WriteEntrySummary(context.out, context.codec, nIndex, list.ElementAt(nIndex));
    }
}

// clang-format off
const CliCommand kListCommand = {
    "ls", "ls DB [--json]", "list the entries: index, For and Username",
    "Prints one line per entry: its index (from 0), For and Username, separated\n"
    "by tabs (a tab or line break in a text shows as \\t, \\n or \\r). Passwords are\n"
    "never listed; use show. --json prints a JSON array of objects with the keys\n"
    "\"index\", \"for\", \"username\" and \"notes\".\n",
    kOptions, 1, 1, 1, RunList,
};
// clang-format on
