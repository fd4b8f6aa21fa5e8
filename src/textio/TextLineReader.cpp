#include "textio/TextLineReader.h"

#include "textio/EntryLineSplitter.h"

BOOL CTextLineReader::ReadLine(CString& strLine) { return m_ar.ReadString(strLine); }

BOOL CTextLineReader::ReadEntry(CEntry& entry)
{
    CString strLine;
    if (!ReadLine(strLine)) return FALSE;
    entry = SplitEntryLine(strLine);
    return TRUE;
}

UINT ReadEntryLines(CArchive& ar, CEntryList& list)
{
    CTextLineReader reader(ar);
    UINT nCount = 0;
    CEntry entry;
    while (reader.ReadEntry(entry)) {
        list.Add(entry);
        ++nCount;
    }
    return nCount;
}
