#include "cli/EntryOutput.h"

#include <ostream>

void WriteText(std::ostream& out, const CString& strText) { out.write(strText.GetString(), strText.GetLength()); }

void WriteEntrySummary(std::ostream& out, const CTextCodec& codec, int nIndex, const CEntry& entry)
{
    out << nIndex << '\t';
    WriteText(out, codec.ToStream(entry.m_strFor));
    out << '\t';
    WriteText(out, codec.ToStream(entry.m_strUsername));
    out << '\n';
}

void WriteEntryDetails(std::ostream& out, const CTextCodec& codec, const CEntry& entry)
{
    const struct {
        LPCTSTR pszLabel;
        const CString& strText;
    } fields[] = {
        {"For: ", entry.m_strFor},
        {"Username: ", entry.m_strUsername},
        {"Password: ", entry.m_strPassword},
        {"Notes: ", entry.m_strNotes},
    };
    for (const auto& field : fields) {
        out << field.pszLabel;
        WriteText(out, codec.ToStream(field.strText));
        out << '\n';
    }
}
