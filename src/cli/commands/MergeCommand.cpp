// merge DB OTHER [--base BASE]: brings what another copy of a database changed
// into it: three-way with their common ancestor, else a union that deletes
// nothing. For copies a sync tool left side by side, and as git's merge driver.
#include "cli/base/CliDatabase.h"
#include "cli/base/EntryOutput.h"
#include "cli/base/PathChecks.h"
#include "cli/commands/Commands.h"
#include "database/core/EntryDiff.h"
#include "database/core/EntryMerge.h"

namespace {

// Whether the file holds no byte: git hands such an ancestor to the merge of a
// file that both sides added.
BOOL IsEmptyFile(const CString& strPath)
{
    CheckDatabasePath(strPath);
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, error.GetErrorMessage());
    return file.GetLength() == 0;
}

// The note when other is locked otherwise than db, whose lock and key the merged
// file keeps.
CString KeyNote(const CCliDatabase& db, const CCliDatabase& other)
{
    if (other.wLocked == db.wLocked && other.strKey == db.strKey) return CString();
    if (other.wLocked != 1) return other.strPath + " is not locked; " + db.strPath + " keeps its password.";
    if (db.wLocked != 1) return other.strPath + " is locked; " + db.strPath + " stays not locked.";
    return other.strPath + " has another password; " + db.strPath + " keeps its own.";
}

CString Named(const CTextCodec& codec, const CString& strFor, const CString& strUsername)
{
    return ColumnText(codec, strFor) + " (" + ColumnText(codec, strUsername) + ")";
}

void ReportConflict(const CCliContext& context, const MergeConflict& conflict)
{
    CString strLine = "Conflict: " + Named(context.codec, conflict.strFor, conflict.strUsername);
    CString strAt;
    if (conflict.nDatabaseIndex >= 0 && conflict.nOtherIndex >= 0)
        strAt.Format(" was changed on both sides: entry %d is this database's version, entry %d the other's.",
                     conflict.nDatabaseIndex, conflict.nOtherIndex);
    else if (conflict.nDatabaseIndex >= 0)
        strAt.Format(" was changed here and deleted in the other: entry %d is the changed version.",
                     conflict.nDatabaseIndex);
    else
        strAt.Format(" was deleted here and changed in the other: entry %d is the changed version.",
                     conflict.nOtherIndex);
    context.Note(strLine + strAt);
}

// What the merge did; db holds the merged entries.
void Report(const CCliContext& context, const CCliDatabase& db, const CCliDatabase& other, const MergeResult& result)
{
    if (result.method == MergeMethod::twoWayFallback) {
        CString strNote;
        strNote.Format("vaultry-cli: warning: a side differs from the common ancestor in more than %d places; "
                       "merged without it: nothing deleted, changed entries kept in both versions",
                       kMaxEntryEdits);
        context.Note(strNote);
    }
    const CString strKeyNote = KeyNote(db, other);
    if (!strKeyNote.IsEmpty()) context.Note("vaultry-cli: " + strKeyNote);
    const MergeCounts& counts = result.againstDatabase;
    CString strWhat;
    strWhat.Format(": %d added, %d changed, %d deleted", counts.nAdded, counts.nChanged, counts.nDeleted);
    if (result.bEqualsDatabase) strWhat = ": nothing added, changed or deleted, so " + db.strPath + " was not written";
    const CString strHow = result.method == MergeMethod::threeWay ? " (three-way)" : " (two-way)";
    CString strConflicts;
    const int nConflicts = static_cast<int>(result.conflicts.size());
    if (nConflicts) strConflicts.Format("; %d %s", nConflicts, nConflicts == 1 ? "conflict" : "conflicts");
    context.Note("Merged " + other.strPath + " into " + db.strPath + strHow + strWhat + strConflicts + ".");
    for (const MergeConflict& conflict : result.conflicts) ReportConflict(context, conflict);
    for (const std::vector<int>& group : result.sameForAndUsername) {
        const CEntry& first = db.list.ElementAt(group.front());
        CString strEntries;
        for (int nIndex : group) {
            CString strIndex;
            strIndex.Format("%s%d", strEntries.IsEmpty() ? "" : ", ", nIndex);
            strEntries += strIndex;
        }
        context.Note("To review: entries " + strEntries + " share " +
                     Named(context.codec, first.m_strFor, first.m_strUsername) + ".");
    }
}

void RunMerge(CCliContext& context)
{
    CString strBase;
    const BOOL bBase = context.args.GetValue("--base", strBase);
    CPasswordInput passwords(context);
    CCliDatabase db(context), other(context), base(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    other.LoadTryingKeys(context.PathOperand(1), {&db}, passwords);
    const BOOL bThreeWay = bBase && !IsEmptyFile(context.codec.ToPath(strBase));
    if (bThreeWay) base.LoadTryingKeys(context.codec.ToPath(strBase), {&db, &other}, passwords);

    db.LockForChange();
    MergeResult result = MergeEntries(db.list, other.list, bThreeWay ? &base.list : nullptr);
    if (result.merged.GetCount() > kMaxEntries) {
        CString strMessage;
        strMessage.Format("the merged database would hold %d entries, more than the %d a database can; ",
                          result.merged.GetCount(), kMaxEntries);
        throw CCliError(kExitUsage, strMessage + db.strPath + " was not changed");
    }
    if (!result.bEqualsDatabase) {
        db.list = std::move(result.merged);
        db.Save();
    }
    Report(context, db, other, result);
    if (!result.conflicts.empty()) context.nAnswer = kExitUsage;
}

const CliOption kOptions[] = {{"--base", TRUE}};

}  // namespace

// clang-format off
const CliCommand kMergeCommand = {
    "merge", "merge DB OTHER [--base BASE]", "bring the changes of another copy into a database",
    "Merges the entries of OTHER into DB and saves DB, keeping its lock and\n"
    "password; OTHER is never changed. With BASE, the copy both come from, each\n"
    "entry goes as the side that changed it made it (three-way); entries changed\n"
    "differently on both sides, or deleted on one and changed on the other, are\n"
    "conflicts, kept in both versions (DB's first) and reported. Without BASE, or\n"
    "when BASE is an empty file (as git gives it for a file added on both sides),\n"
    "DB's entries are kept and OTHER's that DB does not hold are appended: nothing\n"
    "is deleted, and entries that then share For and Username are listed for\n"
    "review; so too when a side differs from BASE in more than 2000 places. OTHER\n"
    "and BASE are opened with DB's password when they can be; else their\n"
    "passwords are asked for. Nothing is written when DB holds the result already.\n"
    "The exit status is 0 when the merge was clean, 1 when it kept conflicts (and\n"
    "for a result of more than 65,535 entries, which is not saved). As git's merge\n"
    "driver: see the README or the man page.\n",
    kOptions, 1, 2, 2, RunMerge,
};
// clang-format on
