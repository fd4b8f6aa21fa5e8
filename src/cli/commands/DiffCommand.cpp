// diff A B [--json] [-s]: the entries in which two databases (or two versions of
// one) differ, with changed entries paired as merge pairs them.
#include <ostream>

#include "cli/base/CliDatabase.h"
#include "cli/base/EntryFields.h"
#include "cli/base/EntryOutput.h"
#include "cli/commands/Commands.h"
#include "cli/formats/EntryJson.h"
#include "database/core/EntryDiff.h"
#include "database/core/EntryMerge.h"

namespace {

// The indexes of second's entries that first does not hold, counted as the
// two-way merge counts them (as multisets): the entries that it appends.
std::vector<int> NotHeldBy(const CEntryList& first, const CEntryList& second)
{
    const MergeResult result = MergeEntries(first, second, nullptr);
    std::vector<int> indexes;
    int j = 0;
    for (int i = first.GetCount(); i < result.merged.GetCount(); ++i, ++j) {
        while (second.ElementAt(j) != result.merged.ElementAt(i)) ++j;
        indexes.push_back(j);
    }
    return indexes;
}

// The differences of lists that differ too much for the diff to pair them: A's
// entries that B does not hold, then B's that A does not hold.
std::vector<EntryEdit> UnpairedEdits(const CEntryList& a, const CEntryList& b)
{
    std::vector<EntryEdit> edits;
    for (int i : NotHeldBy(b, a)) edits.push_back({EntryEditKind::deleted, i, -1});
    for (int j : NotHeldBy(a, b)) edits.push_back({EntryEditKind::inserted, -1, j});
    return edits;
}

// The names of the texts in which two entries differ: "for,password".
std::vector<LPCTSTR> ChangedFields(const CEntry& a, const CEntry& b)
{
    std::vector<LPCTSTR> fields;
    for (int i = 0; i < 4; ++i)
        if (FieldText(a, i) != FieldText(b, i)) fields.push_back(kFieldNames[i]);
    return fields;
}

void WriteLine(CCliContext& context, const CEntryList& a, const CEntryList& b, const EntryEdit& edit, BOOL bPassword)
{
    const CEntry& shown = edit.kind == EntryEditKind::deleted ? a.ElementAt(edit.nOld) : b.ElementAt(edit.nNew);
    CString strLine;
    if (edit.kind == EntryEditKind::deleted)
        strLine.Format("-\t%d\t", edit.nOld);
    else if (edit.kind == EntryEditKind::inserted)
        strLine.Format("+\t%d\t", edit.nNew);
    else
        strLine.Format("~\t%d\t%d\t", edit.nOld, edit.nNew);
    strLine += ColumnText(context.codec, shown.m_strFor) + "\t" + ColumnText(context.codec, shown.m_strUsername);
    if (edit.kind == EntryEditKind::changed) {
        CString strFields;
        for (LPCTSTR pszField : ChangedFields(a.ElementAt(edit.nOld), shown))
            strFields += (strFields.IsEmpty() ? "" : ",") + CString(pszField);
        strLine += "\t" + strFields;
    }
    if (bPassword && edit.kind != EntryEditKind::inserted)
        strLine += "\t" + ColumnText(context.codec, a.ElementAt(edit.nOld).m_strPassword);
    if (bPassword && edit.kind != EntryEditKind::deleted)
        strLine += "\t" + ColumnText(context.codec, shown.m_strPassword);
    WriteText(context.out, strLine);
    context.out << '\n';
}

nlohmann::ordered_json EditJson(const CTextCodec& codec, const CEntryList& a, const CEntryList& b,
                                const EntryEdit& edit, BOOL bPassword)
{
    static const char* const kSigns[] = {"-", "+", "~"};
    nlohmann::ordered_json item = {{"change", kSigns[static_cast<int>(edit.kind)]}};
    if (edit.kind == EntryEditKind::changed)
        item["fields"] = ChangedFields(a.ElementAt(edit.nOld), b.ElementAt(edit.nNew));
    if (edit.kind != EntryEditKind::inserted)
        item["a"] = EntryJson(codec, edit.nOld, a.ElementAt(edit.nOld), bPassword);
    if (edit.kind != EntryEditKind::deleted) item["b"] = EntryJson(codec, edit.nNew, b.ElementAt(edit.nNew), bPassword);
    return item;
}

void RunDiff(CCliContext& context)
{
    const BOOL bPassword = context.args.Has("--show-password");
    CPasswordInput passwords(context);
    CCliDatabase a(context), b(context);
    a.Load(context.PathOperand(0), passwords);
    b.LoadTryingKeys(context.PathOperand(1), {&a}, passwords);
    std::vector<EntryEdit> edits;
    if (!DiffEntries(a.list, b.list, edits)) {
        CString strNote;
        strNote.Format("vaultry-cli: warning: the databases differ in more than %d places; changed entries are "
                       "not paired, but shown as - and +",
                       kMaxEntryEdits);
        context.Note(strNote);
        edits = UnpairedEdits(a.list, b.list);
    }
    if (context.args.Has("--json")) {
        nlohmann::ordered_json document = nlohmann::ordered_json::array();
        for (const EntryEdit& edit : edits)
            document.push_back(EditJson(context.codec, a.list, b.list, edit, bPassword));
        WriteJson(context.out, document);
    } else {
        for (const EntryEdit& edit : edits) WriteLine(context, a.list, b.list, edit, bPassword);
    }
    if (!edits.empty()) context.nAnswer = kExitUsage;
}

const CliOption kOptions[] = {{"--json", FALSE}, {"--show-password", FALSE, "-s"}};

}  // namespace

// clang-format off
const CliCommand kDiffCommand = {
    "diff", "diff A B [--json] [-s | --show-password]", "list the entries in which two databases differ",
    "Prints one line per difference, in the order of the entries, with tabs\n"
    "between the columns (a tab or line break in a text shows as \\t, \\n or \\r):\n"
    "  -  INDEX-IN-A  FOR  USERNAME          an entry only A holds\n"
    "  +  INDEX-IN-B  FOR  USERNAME          an entry only B holds\n"
    "  ~  INDEX-IN-A  INDEX-IN-B  FOR  USERNAME  FIELDS\n"
    "                                        an entry of A that B holds changed\n"
    "FOR and USERNAME are B's version of a changed entry; FIELDS names the texts\n"
    "that changed (for, username, password, notes). Changed entries are paired as\n"
    "merge pairs them. Passwords are shown only with --show-password, as the last\n"
    "columns: A's, then B's. --json prints an array of objects with \"change\"\n"
    "(\"-\", \"+\" or \"~\"), \"fields\" and the versions \"a\" and \"b\" as ls --json\n"
    "prints entries. B is opened with A's password when it can be; else its\n"
    "password is asked for. The exit status is 0 when the entries are the same,\n"
    "1 when they differ.\n",
    kOptions, 2, 2, 2, RunDiff,
};
// clang-format on
