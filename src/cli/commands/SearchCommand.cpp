// search DB TEXT [--json]: the entries whose For, Username or Notes contain TEXT,
// ignoring case, printed as ls prints them; exit code 1 when there are none.
#include "cli/base/CliDatabase.h"
#include "cli/base/OtpNotes.h"
#include "cli/commands/Commands.h"

namespace {

BOOL ContainsNoCase(const CCodePage& codePage, const CString& strText, const CString& strPart)
{
    int nLast = strText.GetLength() - strPart.GetLength();
    for (int i = 0; i <= nLast; ++i) {
        int j = 0;
        while (j < strPart.GetLength() &&
               codePage.Fold(static_cast<BYTE>(strText[i + j])) == codePage.Fold(static_cast<BYTE>(strPart[j])))
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
    std::vector<int> found;
    for (int i = 0; i < db.list.GetCount(); ++i) {
        const CEntry& entry = db.list.ElementAt(i);
        if (ContainsNoCase(codePage, entry.m_strFor, strText) ||
            ContainsNoCase(codePage, entry.m_strUsername, strText) ||
            ContainsNoCase(codePage, MaskOtpSecrets(entry.m_strNotes), strText))
            found.push_back(i);
    }
    WriteEntries(context, db.list, &found);
    // As grep: a script can tell "none found" by the exit code alone.
    if (found.empty()) context.nAnswer = kExitUsage;
}

const CliOption kOptions[] = {{"--json", FALSE}};

}  // namespace

// clang-format off
const CliCommand kSearchCommand = {
    "search", "search DB TEXT [--json]", "list the entries whose For, Username or Notes contain TEXT",
    "Prints the matching entries as ls does (--json too). Case is ignored for every\n"
    "letter of the database's code page; passwords and the one-time code secrets in\n"
    "Notes are not searched. A TEXT that starts with a dash follows \"--\". The exit\n"
    "status is 1 when nothing matches.\n",
    kOptions, 1, 2, 2, RunSearch,
};
// clang-format on
