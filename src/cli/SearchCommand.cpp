// search DB TEXT: the entries whose For, Username or Notes contain TEXT, ignoring
// case, printed as ls prints them.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryOutput.h"

namespace {

BOOL ContainsNoCase(const CCodePage& codePage, const CString& strText, const CString& strPart)
{
    int nLast = strText.GetLength() - strPart.GetLength();
    for (int i = 0; i <= nLast; ++i) {
        int j = 0;
        while (j < strPart.GetLength() && codePage.Fold(static_cast<BYTE>(strText[i + j])) ==
                                              codePage.Fold(static_cast<BYTE>(strPart[j])))
            ++j;
        if (j == strPart.GetLength()) return TRUE;
    }
    return FALSE;
}

void RunSearch(CCliContext& context)
{
    const CString strText = context.codec.FromArgument(context.args.GetOperand(1), "TEXT");
    const CCodePage& codePage = context.codec.GetCodePage();
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    for (int i = 0; i < db.list.GetCount(); ++i) {
        const CEntry& entry = db.list.ElementAt(i);
        if (ContainsNoCase(codePage, entry.m_strFor, strText) || ContainsNoCase(codePage, entry.m_strUsername, strText) ||
            ContainsNoCase(codePage, entry.m_strNotes, strText))
            WriteEntrySummary(context.out, context.codec, i, entry);
    }
}

}  // namespace

const CliCommand kSearchCommand = {
    "search", "search DB TEXT", "list the entries whose For, Username or Notes contain TEXT",
    "Prints the matching entries as ls does. Case is ignored for every letter of the\n"
    "database's code page; passwords are not searched. A TEXT that starts with a\n"
    "dash follows \"--\".\n",
    nullptr, 0, 2, 2, RunSearch,
};
