// import DB IN: appends one entry per line of IN, split as the program's Import
// splits them, and prints "N records imported.".
#include <ostream>

#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "textio/TextLineReader.h"

namespace {

const int kTextBufferSize = 1024;

// All lines of the file, or an error: a file that fails half way adds nothing.
void ReadImportFile(const CString& strPath, CEntryList& entries)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, "Error opening import file. " + error.GetErrorMessage());
    try {
        CArchive ar(&file, CArchive::load, kTextBufferSize);
        ReadEntryLines(ar, entries);
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error reading import file. " + e.GetErrorMessage());
    }
}

void RunImport(CCliContext& context)
{
    CEntryList entries;
    ReadImportFile(context.args.GetOperand(1), entries);
    CPasswordInput passwords(context);
    CCliDatabase db;
    db.Load(context.args.GetOperand(0), passwords);
    for (int i = 0; i < entries.GetCount(); ++i) db.list.Add(entries.ElementAt(i));
    db.Save();
    CString strMessage;
    strMessage.Format("%u records imported.\n", static_cast<unsigned>(entries.GetCount()));
    context.out << strMessage.GetString();
}

}  // namespace

const CliCommand kImportCommand = {
    "import", "import DB IN", "append one entry per line of a text file",
    "Reads IN as the program's Import does: a line ends at LF, CR LF or a lone CR;\n"
    "its first three commas end For, Username and Password, and Notes takes the\n"
    "rest. Entries are appended after the existing ones.\n",
    nullptr, 0, 2, 2, RunImport,
};
