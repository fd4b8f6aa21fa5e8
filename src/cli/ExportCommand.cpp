// export DB [OUT]: every entry as a line of text, "For,Username,Password,Notes"
// and CR LF, to OUT or to standard output. OUT is replaced only once it has been
// written whole, and never when it is a database.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/OutputStreamFile.h"
#include "database/ReplaceOnSuccessFile.h"
#include "textio/EntryLineWriter.h"

namespace {

const int kTextBufferSize = 1024;

// Exporting over a database by mistake would lose every entry in it.
void ThrowIfDatabase(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone)) return;
    char magic[sizeof kDatabaseMagic] = {};
    if (file.Read(magic, 7) == 7 && CString(magic) == kDatabaseMagic)
        throw CCliError(kExitIo, strPath + " is a Vaultry database; export does not overwrite it");
}

void ExportToFile(const CEntryList& list, const CString& strPath)
{
    ThrowIfDatabase(strPath);
    CReplaceOnSuccessFile file;
    try {
        file.Create(strPath);
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error opening export file. " + e.GetErrorMessage());
    }
    try {
        CArchive ar(&file, CArchive::store, kTextBufferSize);
        WriteEntryLines(ar, list);
        ar.Close();
        file.Flush();
        file.Commit();
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error writing export file. " + e.GetErrorMessage());
    }
}

void ExportToStream(const CEntryList& list, std::ostream& out)
{
    COutputStreamFile file(out, "standard output");
    try {
        CArchive ar(&file, CArchive::store, kTextBufferSize);
        WriteEntryLines(ar, list);
        ar.Close();
        file.Flush();
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error writing export. " + e.GetErrorMessage());
    }
}

void RunExport(CCliContext& context)
{
    CPasswordInput passwords(context);
    CCliDatabase db;
    db.Load(context.args.GetOperand(0), passwords);
    if (context.args.GetOperandCount() > 1)
        ExportToFile(db.list, context.args.GetOperand(1));
    else
        ExportToStream(db.list, context.out);
}

}  // namespace

const CliCommand kExportCommand = {
    "export", "export DB [OUT]", "write the entries as text, one line each",
    "Writes one line per entry: For, Username, Password and Notes joined by commas,\n"
    "ended by CR LF, as the program's Export does. Passwords are written in the\n"
    "clear. Without OUT the lines go to standard output. OUT is replaced only once\n"
    "it is complete, and never when it is a Vaultry database.\n",
    nullptr, 0, 1, 2, RunExport,
};
