// search DB TEXT: the entries whose For, Username or Notes contain TEXT, ignoring
// the case of ASCII letters, printed as ls prints them.
#include <cctype>

#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryOutput.h"

namespace {

BOOL ContainsNoCase(const CString& strText, const CString& strPart)
{
    int nLast = strText.GetLength() - strPart.GetLength();
    for (int i = 0; i <= nLast; ++i) {
        int j = 0;
        while (j < strPart.GetLength() &&
               std::tolower(static_cast<unsigned char>(strText[i + j])) ==
                   std::tolower(static_cast<unsigned char>(strPart[j])))
            ++j;
        if (j == strPart.GetLength()) return TRUE;
    }
    return FALSE;
}

void RunSearch(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db;
    db.Load(context.args.GetOperand(0), passwords);
    const CString& strText = context.args.GetOperand(1);
    for (int i = 0; i < db.list.GetCount(); ++i) {
        const CEntry& entry = db.list.ElementAt(i);
        if (ContainsNoCase(entry.m_strFor, strText) || ContainsNoCase(entry.m_strUsername, strText) ||
            ContainsNoCase(entry.m_strNotes, strText))
            WriteEntrySummary(context.out, i, entry);
    }
}

}  // namespace

const CliCommand kSearchCommand = {
    "search", "search DB TEXT", "list the entries whose For, Username or Notes contain TEXT",
    "Prints the matching entries as ls does. Case is ignored for the letters A to Z;\n"
    "passwords are not searched.\n",
    nullptr, 0, 2, 2, RunSearch,
};
