// export DB [OUT]: every entry as a line of text, "For,Username,Password,Notes"
// and CR LF, to OUT or to standard output. OUT is a new private file, which
// replaces an old one only once it has been written whole, and never a database
// or anything but a regular file.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"
#include "cli/EntryTexts.h"
#include "cli/OutputStreamFile.h"
#include "cli/PathChecks.h"
#include "database/core/ReplaceOnSuccessFile.h"
#include "textio/core/EntryLineWriter.h"

namespace {

const int kTextBufferSize = 1024;
const char kFollowLink[] = "--follow-link";

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
        file.Create(strPath, NewFileAccess::ownerOnly);
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
    BOOL bToFile = context.args.GetOperandCount() > 1;
    CString strOut = bToFile ? context.PathOperand(1) : CString();
    if (bToFile) CheckOutputPath(strOut, context.args.Has(kFollowLink), kFollowLink);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    if (bToFile)
        ExportToFile(db.list, strOut);
    else
        ExportToStream(db.list, context.out);
    for (int i = 0; i < db.list.GetCount(); ++i) WarnIfTextFormatLosesIt(context, i, db.list.ElementAt(i));
}

const CliOption kOptions[] = {{kFollowLink, FALSE}};

}  // namespace

const CliCommand kExportCommand = {
    "export", "export DB [OUT] [--follow-link]", "write the entries as text, one line each",
    "Writes one line per entry: For, Username, Password and Notes joined by commas,\n"
    "ended by CR LF, as the program's Export does, in the database's code page.\n"
    "Passwords are written in the clear. Without OUT the lines go to standard output.\n"
    "OUT is always written as a new file that only you can read (mode 0600), which\n"
    "replaces an old one only once it is complete. It is never a Vaultry database,\n"
    "a folder, a device or a FIFO; a symbolic link is written through only with\n"
    "--follow-link. A comma in a For, Username or Password cannot be told from the\n"
    "commas between the texts: such entries are named on standard error.\n",
    kOptions, 1, 1, 2, RunExport,
};
