#include "textio/core/EntryLineSplitter.h"

namespace {

// Takes the text before the first comma at or after nStart into strField and
// moves nStart past that comma. Without a further comma the field is left empty
// and nStart stays where it is.
void TakeField(const CString& strLine, int& nStart, CString& strField)
{
    int nComma = strLine.Find(',', nStart);
    if (nComma < 0) return;
    strField = strLine.Mid(nStart, nComma - nStart);
    nStart = nComma + 1;
}

}  // namespace

CEntry SplitEntryLine(const CString& strLine)
{
    CEntry entry;
    int nStart = 0;
    TakeField(strLine, nStart, entry.m_strFor);
    TakeField(strLine, nStart, entry.m_strUsername);
    TakeField(strLine, nStart, entry.m_strPassword);
    entry.m_strNotes = strLine.Mid(nStart);
    return entry;
}
