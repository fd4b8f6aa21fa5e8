#include "textio/TextLineReader.h"

#include "textio/EntryLineSplitter.h"

CTextLineReader::CTextLineReader(CArchive& ar) : m_ar(ar) {}

// The buffer has held lines of the file, which may include passwords.
CTextLineReader::~CTextLineReader() { SecureZero(m_buffer, sizeof m_buffer); }

BOOL CTextLineReader::Fill()
{
    m_nPos = 0;
    m_nEnd = m_ar.Read(m_buffer, sizeof m_buffer);
    return m_nEnd != 0;
}

BOOL CTextLineReader::ReadLine(CString& strLine)
{
    strLine.Empty();
    BOOL bStarted = FALSE;
    for (;;) {
        if (m_nPos == m_nEnd && !Fill()) return bStarted;
        // Take the run of ordinary bytes up to the next line end or zero byte at once.
        UINT nStart = m_nPos;
        while (m_nPos < m_nEnd && m_buffer[m_nPos] != '\n' && m_buffer[m_nPos] != '\r' && m_buffer[m_nPos] != 0)
            ++m_nPos;
        if (m_nPos > nStart) {
            strLine.Append(reinterpret_cast<const char*>(m_buffer + nStart), static_cast<int>(m_nPos - nStart));
            bStarted = TRUE;
        }
        if (m_nPos == m_nEnd) continue;
        BYTE by = m_buffer[m_nPos++];
        if (by == 0) continue;
        if (by == '\r' && (m_nPos < m_nEnd || Fill()) && m_buffer[m_nPos] == '\n') ++m_nPos;
        return TRUE;
    }
}

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
