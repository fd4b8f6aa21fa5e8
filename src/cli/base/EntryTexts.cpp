#include "cli/base/EntryTexts.h"

#include "cli/base/EntryFields.h"
#include "cli/base/EntryOutput.h"

void CheckEntryText(LPCTSTR pszWhat, const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i) {
        char ch = strText[i];
        if (ch == '\r' || ch == '\n' || ch == '\0')
            throw CCliError(kExitUsage, CString(pszWhat) + " cannot hold a line break or a zero byte");
    }
}

BOOL GetEntryTextOption(const CCliContext& context, LPCTSTR pszOption, CString& strStored)
{
    CString strValue;
    if (!context.args.GetValue(pszOption, strValue)) return FALSE;
    strStored = context.codec.FromArgument(strValue, pszOption);
    CheckEntryText(pszOption, strStored);
    return TRUE;
}

void WarnIfTextFormatLosesIt(const CCliContext& context, int nIndex, const CEntry& entry)
{
    const CString strEntry = "vaultry-cli: warning: entry " + EntryLabel(context.codec, nIndex, entry);
    if (entry.m_strFor.Find(',') >= 0 || entry.m_strUsername.Find(',') >= 0 || entry.m_strPassword.Find(',') >= 0)
        context.Note(strEntry + " has a comma in its For, Username or Password, which the text format cannot keep: "
                                "an export of it imports with its texts shifted");
    for (int f = 0; f < 4; ++f) {
        const CString& strText = FieldText(entry, f);
        if (strText.Find('\r') >= 0 || strText.Find('\n') >= 0) {
            context.Note(strEntry + " has a line break, which the text format cannot keep: an export of it imports "
                                    "as more than one entry");
            break;
        }
    }
}
