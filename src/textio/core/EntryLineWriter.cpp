#include "textio/core/EntryLineWriter.h"

CString JoinEntryFields(const CEntry& entry)
{
    CString line = entry.m_strFor;
    line += ',';
    line += entry.m_strUsername;
    line += ',';
    line += entry.m_strPassword;
    line += ',';
    line += entry.m_strNotes;
    return line;
}

void WriteEntryLine(CArchive& ar, const CEntry& entry)
{
    CString line = JoinEntryFields(entry);
    line += kEntryLineEnd;
    ar.WriteString(line);
}

void WriteEntryLines(CArchive& ar, const CEntryList& list)
{
    for (int i = 0; i < list.GetCount(); ++i) WriteEntryLine(ar, list.ElementAt(i));
}
