#include "cli/EntryTexts.h"

#include <ostream>

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
    if (entry.m_strFor.Find(',') < 0 && entry.m_strUsername.Find(',') < 0 && entry.m_strPassword.Find(',') < 0)
        return;
    context.err << "vaultry-cli: warning: entry " << nIndex << " (" << context.codec.ToStream(entry.m_strFor).GetString()
                << ") has a comma in its For, Username or Password, which the text format cannot keep: "
                   "an export of it imports with its texts shifted\n";
}
