#include "cli/base/EntryOutput.h"

#include <ostream>

#include "cli/base/OtpNotes.h"

namespace {

CString InColumn(const CTextCodec& codec, const CString& strText)
{
    CString strShown = codec.ToStream(strText);
    if (strShown.Find('\t') < 0 && strShown.Find('\r') < 0 && strShown.Find('\n') < 0) return strShown;
    CString strEscaped;
    for (int i = 0; i < strShown.GetLength(); ++i) {
        const char ch = strShown[i];
        if (ch == '\t')
            strEscaped += "\\t";
        else if (ch == '\r')
            strEscaped += "\\r";
        else if (ch == '\n')
            strEscaped += "\\n";
        else
            strEscaped += ch;
    }
    return strEscaped;
}

}  // namespace

CString ColumnText(const CTextCodec& codec, const CString& strText) { return InColumn(codec, strText); }

void WriteText(std::ostream& out, const CString& strText) { out.write(strText.GetString(), strText.GetLength()); }

CString EntryLabel(const CTextCodec& codec, int nIndex, const CEntry& entry)
{
    CString strLabel;
    strLabel.Format("%d (", nIndex);
    return strLabel + InColumn(codec, entry.m_strFor) + ")";
}

void WriteEntrySummary(std::ostream& out, const CTextCodec& codec, int nIndex, const CEntry& entry)
{
    out << nIndex << '\t';
    WriteText(out, InColumn(codec, entry.m_strFor));
    out << '\t';
    WriteText(out, InColumn(codec, entry.m_strUsername));
    out << '\n';
}

void WriteEntryDetails(std::ostream& out, const CTextCodec& codec, const CEntry& entry, BOOL bShowPassword)
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
        if (&field.strText == &entry.m_strPassword && !bShowPassword)
            out << "(hidden; -s shows it)";
        else if (&field.strText == &entry.m_strNotes && !bShowPassword)
            WriteText(out, codec.ToStream(MaskOtpSecrets(field.strText)));
        else
            WriteText(out, codec.ToStream(field.strText));
        out << '\n';
    }
}
