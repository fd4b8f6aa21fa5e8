// import DB IN: appends one entry per line of IN, split as the program's Import
// splits them, and prints "N records imported.".
#include <ostream>

#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "textio/core/TextLineReader.h"

namespace {

const int kTextBufferSize = 1024;

// A database file read as text gives entries of garbage: its clear header holds
// the magic, then words with zero bytes.
void ThrowIfDatabase(CFile& file, const CString& strPath)
{
    char start[kHeaderSize] = {};
    UINT nRead = file.Read(start, kHeaderSize);
    file.SeekToBegin();
    BOOL bZero = FALSE;
    for (UINT i = 7; i < nRead; ++i) bZero = bZero || start[i] == 0;
    if (nRead >= 7 && CString(start, 7) == kDatabaseMagic && bZero)
        throw CCliError(kExitUsage, strPath + " is a Vaultry database, not a text file; nothing was imported");
}

// All lines of the file, or an error: a file that fails half way adds nothing.
void ReadImportFile(const CString& strPath, CEntryList& entries, TextLineCounts& counts)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, "Error opening import file. " + error.GetErrorMessage());
    try {
        ThrowIfDatabase(file, strPath);
        CArchive ar(&file, CArchive::load, kTextBufferSize);
        ReadEntryLines(ar, entries, &counts);
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error reading import file. " + e.GetErrorMessage());
    }
}

CString Lines(UINT n)
{
    CString strText;
    strText.Format(n == 1 ? "%u line" : "%u lines", n);
    return strText;
}

// The lines that gave entries the user may not expect; they are imported still.
void ReportOddLines(std::ostream& err, const CString& strPath, const TextLineCounts& counts)
{
    CString strReport;
    if (counts.nBlank) strReport += "; " + Lines(counts.nBlank) + " blank (empty entries)";
    if (counts.nNoComma) strReport += "; " + Lines(counts.nNoComma) + " without a comma (all in Notes)";
    if (counts.nLostZeros) strReport += "; " + Lines(counts.nLostZeros) + " with zero bytes (dropped)";
    if (!strReport.IsEmpty()) err << "vaultry-cli: " << (strPath + ":" + strReport.Mid(1)).GetString() << '\n';
}

void RunImport(CCliContext& context)
{
    CEntryList entries;
    TextLineCounts counts;
    CString strIn = context.PathOperand(1);
    ReadImportFile(strIn, entries, counts);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    for (int i = 0; i < entries.GetCount(); ++i) db.list.Add(entries.ElementAt(i));
    db.Save();
    CString strMessage;
    strMessage.Format(entries.GetCount() == 1 ? "%u record imported.\n" : "%u records imported.\n",
                      static_cast<unsigned>(entries.GetCount()));
    context.out << strMessage.GetString();
    ReportOddLines(context.err, strIn, counts);
}

}  // namespace

const CliCommand kImportCommand = {
    "import", "import DB IN", "append one entry per line of a text file",
    "Reads IN as the program's Import does: a line ends at LF, CR LF or a lone CR;\n"
    "its first three commas end For, Username and Password, and Notes takes the\n"
    "rest. Entries are appended after the existing ones. IN holds the database's\n"
    "code page; a UTF-8 byte-order mark at its start is skipped. Blank lines, lines\n"
    "without a comma and lines with zero bytes are counted on standard error.\n",
    nullptr, 0, 2, 2, RunImport,
};
