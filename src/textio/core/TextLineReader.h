// CTextLineReader: reads an import text file line by line from a loading archive.
//
// - A line ends at LF, at CR LF (one line end together) or at a CR that is not
//   followed by LF. The line end is not part of the line.
// - Bytes of value 0 are dropped, as if the file did not hold them.
// - A last line without a line end is still a line; input ends when the file
//   ends before any byte of a new line, so a final CR LF adds no empty line but
//   every empty line before it counts.
// - Lines have no length limit.
// - A UTF-8 byte-order mark at the start of the file is not part of the first line
//   (editors put it there; it would otherwise end up in the first For).
//
// The line rule itself is the archive's (CArchive::ReadString). File errors pass
// through as the file's exceptions.
#pragma once

#include "database/core/EntryList.h"
#include "framework/portable/CArchive.h"

// The lines read so far that an import may turn into entries the user did not
// expect. They are still read by the rules above.
struct TextLineCounts {
    UINT nBlank = 0;      // empty: an entry of four empty texts
    UINT nNoComma = 0;    // not empty, without a comma: the whole line is the Notes
    UINT nLostZeros = 0;  // held zero bytes, which were dropped
};

class CTextLineReader {
public:
    explicit CTextLineReader(CArchive& ar) : m_ar(ar) {}

    // The next line, without its end; FALSE (and an empty text) at the end of input.
    BOOL ReadLine(CString& strLine);
    // The next line split into an entry (EntryLineSplitter); FALSE at the end of input.
    BOOL ReadEntry(CEntry& entry);

    const TextLineCounts& GetCounts() const { return m_counts; }

private:
    CArchive& m_ar;
    BOOL m_bFirstLine = TRUE;
    TextLineCounts m_counts;
};

// Appends one entry per line of the archive to list; *pCounts, when given, gets
// the reader's counts. Callers that must leave their list untouched when the
// file fails half way read into an empty list first.
void ReadEntryLines(CArchive& ar, CEntryList& list, TextLineCounts* pCounts = nullptr);
