#include "textio/core/TextLineReader.h"

#include "textio/core/EntryLineSplitter.h"

namespace {

const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

BOOL CTextLineReader::ReadLine(CString& strLine)
{
    const ULONGLONG nZerosBefore = m_ar.GetDroppedZeroCount();
    if (!m_ar.ReadString(strLine)) return FALSE;
    if (m_bFirstLine && strLine.Left(3) == kUtf8ByteOrderMark) strLine = strLine.Mid(3);
    m_bFirstLine = FALSE;
    if (m_ar.GetDroppedZeroCount() != nZerosBefore) ++m_counts.nLostZeros;
    if (strLine.IsEmpty())
        ++m_counts.nBlank;
    else if (strLine.Find(',') < 0)
        ++m_counts.nNoComma;
    return TRUE;
}

BOOL CTextLineReader::ReadEntry(CEntry& entry)
{
    CString strLine;
    if (!ReadLine(strLine)) return FALSE;
    entry = SplitEntryLine(strLine);
    return TRUE;
}

void ReadEntryLines(CArchive& ar, CEntryList& list, TextLineCounts* pCounts)
{
    CTextLineReader reader(ar);
    CEntry entry;
    while (reader.ReadEntry(entry)) list.Add(entry);
    if (pCounts) *pCounts = reader.GetCounts();
}
