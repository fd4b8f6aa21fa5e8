// export DB [OUT | -] [--format text|csv|json]: every entry, to OUT or to standard
// output. OUT is a new private file, which replaces an old one only once it has
// been written whole, and never a database or anything but a regular file.
#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/base/EntryTexts.h"
#include "cli/base/PathChecks.h"
#include "cli/formats/TransferFormat.h"
#include "database/core/ReplaceOnSuccessFile.h"

namespace {

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

void ExportToFile(const std::string& bytes, const CString& strPath)
{
    ThrowIfDatabase(strPath);
    CReplaceOnSuccessFile file;
    try {
        file.Create(strPath, NewFileAccess::ownerOnly);
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error opening export file. " + e.GetErrorMessage());
    }
    try {
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Flush();
        file.Commit();
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error writing export file. " + e.GetErrorMessage());
    }
}

void RunExport(CCliContext& context)
{
    const TransferFormat format = GetFormatOption(context);
    const BOOL bToFile = context.args.GetOperandCount() > 1 && context.args.GetOperand(1) != "-";
    CString strOut = bToFile ? context.PathOperand(1) : CString();
    if (bToFile) CheckOutputPath(strOut, context.args.Has(kFollowLink), kFollowLink);
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    std::string bytes = FormatEntries(context, format, db.list);
    if (bToFile) {
        ExportToFile(bytes, strOut);
    } else {
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    SecureZero(&bytes[0], bytes.size());
    if (format == TransferFormat::text)
        for (int i = 0; i < db.list.GetCount(); ++i) WarnIfTextFormatLosesIt(context, i, db.list.ElementAt(i));
    if (!bToFile) return;
    CString strNote;
    strNote.Format(db.list.GetCount() == 1 ? "%d entry exported to %s." : "%d entries exported to %s.",
                   db.list.GetCount(), strOut.GetString());
    context.Note(strNote);
}

const CliOption kOptions[] = {{kFollowLink, FALSE}, {"--format", TRUE}};

}  // namespace

// clang-format off
const CliCommand kExportCommand = {
    "export", "export DB [OUT | -] [--format text|csv|json] [--follow-link]", "write out every entry",
    "--format text (the default) writes one line per entry: For, Username, Password\n"
    "and Notes joined by commas, ended by CR LF, as the program's Export does, in\n"
    "the database's code page. A comma in a For, Username or Password cannot be\n"
    "told from the commas between the texts: such entries are named on standard\n"
    "error. --format csv writes UTF-8 CSV with the header Title,Username,Password,\n"
    "Notes, as password managers import it; --format json a UTF-8 JSON array of\n"
    "objects with \"for\", \"username\", \"password\" and \"notes\", which import reads\n"
    "back exactly.\n"
    "Passwords are written in the clear. Without OUT, or with -, the entries go to\n"
    "standard output. OUT is always written as a new file that only you can read\n"
    "(mode 0600), which replaces an old one only once it is complete. It is never a\n"
    "Vaultry database, a folder, a device or a FIFO; a symbolic link is written\n"
    "through only with --follow-link.\n",
    kOptions, 2, 1, 2, RunExport,
};
// clang-format on
