#include "cli/EntryTexts.h"

#include "cli/CliError.h"

void CheckEntryText(LPCTSTR pszWhat, const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i) {
        char ch = strText[i];
        if (ch == '\r' || ch == '\n' || ch == '\0')
            throw CCliError(kExitUsage, CString(pszWhat) + " cannot hold a line break or a zero byte");
    }
}
