#include "database/document/MergeMessages.h"

namespace {

// Conflicts and groups listed by name; the rest are counted.
const size_t kMaxListed = 10;

CString Format(LPCTSTR pszFormat, LPCTSTR pszText)
{
    CString strText;
    strText.Format(pszFormat, pszText);
    return strText;
}

CString EntryName(const CString& strFor, const CString& strUsername)
{
    return strUsername.IsEmpty() ? strFor : strFor + " (" + strUsername + ")";
}

CString Row(int nIndex)
{
    CString strRow;
    strRow.Format("%d", nIndex + 1);
    return strRow;
}

CString ConflictLine(const MergeConflict& conflict)
{
    CString strLine = "\n    " + EntryName(conflict.strFor, conflict.strUsername) + ": ";
    if (conflict.nDatabaseIndex < 0)
        return strLine + "deleted there, changed here, kept in row " + Row(conflict.nOtherIndex);
    if (conflict.nOtherIndex < 0)
        return strLine + "deleted here, changed there, kept in row " + Row(conflict.nDatabaseIndex);
    return strLine + "rows " + Row(conflict.nDatabaseIndex) + " (there) and " + Row(conflict.nOtherIndex) + " (here)";
}

CString MoreLine(size_t nCount)
{
    CString strLine;
    if (nCount > kMaxListed) strLine.Format("\n    and %u more", static_cast<unsigned>(nCount - kMaxListed));
    return strLine;
}

}  // namespace

CString ChangedFileQuestion(const CString& strName)
{
    return Format("%s was changed by another program since it was opened here.\n\n"
                  "Yes: merge: keep the changes made there and those made here, and save the result.\n"
                  "No: save the entries shown here over it; the changes made there are lost.\n"
                  "Cancel: save nothing.",
                  strName);
}

CString NotDatabaseQuestion(const CString& strName, DatabaseStatus status)
{
    return Format("%s was changed by another program since it was opened here, and no longer reads as a "
                  "database:\n\n",
                  strName) +
           DatabaseStatusMessage(status) + "\n\nReplace it with the entries shown here?";
}

CString MergeReport(const CString& strName, const MergeResult& result)
{
    CString strReport;
    strReport.Format("The changes another program saved in %s were merged with those made here, and the result "
                     "saved.\n\nFrom there: %d added, %d changed, %d deleted.",
                     strName.GetString(), result.againstOther.nAdded, result.againstOther.nChanged,
                     result.againstOther.nDeleted);
    if (!result.conflicts.empty()) {
        strReport += "\n\nChanged both there and here, so both versions were kept:";
        for (size_t i = 0; i < result.conflicts.size() && i < kMaxListed; ++i)
            strReport += ConflictLine(result.conflicts[i]);
        strReport += MoreLine(result.conflicts.size());
    }
    if (result.method == MergeMethod::twoWayFallback)
        strReport += "\n\nThe two versions differ too much to be merged entry by entry: no entry was deleted.";
    if (!result.sameForAndUsername.empty()) {
        strReport += "\n\nEntries with the same For and Username, to review:";
        for (size_t i = 0; i < result.sameForAndUsername.size() && i < kMaxListed; ++i) {
            const std::vector<int>& rows = result.sameForAndUsername[i];
            const CEntry& first = result.merged.ElementAt(rows[0]);
            strReport += "\n    " + EntryName(first.m_strFor, first.m_strUsername) + ": rows ";
            for (size_t j = 0; j < rows.size(); ++j) strReport += (j ? ", " : "") + Row(rows[j]);
        }
        strReport += MoreLine(result.sameForAndUsername.size());
    }
    return strReport;
}

CString UnreadableChangeNotice(const CString& strName, DatabaseStatus status)
{
    if (status == DatabaseStatus::unreadable)
        return Format("%s was changed by another program, and no longer opens with the password used here.\n\n"
                      "The entries shown here stay; the next save asks for its password.",
                      strName);
    return Format("%s was changed by another program, and no longer reads as a database:\n\n", strName) +
           DatabaseStatusMessage(status) + "\n\nThe entries shown here stay; the next save asks before it replaces it.";
}
