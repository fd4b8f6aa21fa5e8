// import DB IN|- [--format text|csv|json]: appends the entries of a file, or of
// standard input, and says "N records imported.".
#include <istream>
#include <iterator>

#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/formats/TransferFormat.h"

namespace {

// The whole file: one that fails half way imports nothing.
std::string ReadImportFile(const CString& strPath)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, "Error opening import file. " + error.GetErrorMessage());
    std::string bytes;
    try {
        char buffer[65536];
        for (UINT n; (n = file.Read(buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
    } catch (const CFileException& e) {
        throw CCliError(kExitIo, "Error reading import file. " + e.GetErrorMessage());
    }
    return bytes;
}

void RunImport(CCliContext& context)
{
    const TransferFormat format = GetFormatOption(context);
    const BOOL bFromStdin = context.args.GetOperand(1) == "-";
    if (bFromStdin && context.args.Has("--password-stdin"))
        throw CCliError(kExitUsage, "standard input cannot bring both the entries and the password");
    const CString strIn = bFromStdin ? CString("standard input") : context.PathOperand(1);
    std::string bytes =
        bFromStdin ? std::string(std::istreambuf_iterator<char>(context.in), {}) : ReadImportFile(strIn);
    CEntryList entries;
    ParseEntries(context, format, bytes, strIn, entries);
    SecureZero(&bytes[0], bytes.size());

    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.LoadForChange(context.PathOperand(0), passwords);
    db.LockForChange();
    for (int i = 0; i < entries.GetCount(); ++i) db.list.Add(entries.ElementAt(i));
    db.Save();
    CString strMessage;
    strMessage.Format(entries.GetCount() == 1 ? "%u record imported." : "%u records imported.",
                      static_cast<unsigned>(entries.GetCount()));
    context.Note(strMessage);
}

const CliOption kOptions[] = {{"--format", TRUE}};

}  // namespace

// clang-format off
const CliCommand kImportCommand = {
    "import", "import DB IN|- [--format text|csv|json]", "append the entries of a file",
    "Appends the entries of IN (- for standard input) after the existing ones.\n"
    "--format text (the default) reads IN as the program's Import does: a line ends\n"
    "at LF, CR LF or a lone CR; its first three commas end For, Username and\n"
    "Password, and Notes takes the rest. IN holds the database's code page; a UTF-8\n"
    "byte-order mark at its start is skipped. Blank lines, lines without a comma and\n"
    "lines with zero bytes are counted on standard error.\n"
    "--format csv reads the UTF-8 CSV exports of password managers (KeePassXC,\n"
    "Bitwarden, 1Password, this one) by their header row: Title or Name, Username\n"
    "or Login, Password, Notes; other columns go into Notes (\"URL: ...\").\n"
    "--format json reads what export --format json writes.\n",
    kOptions, 1, 2, 2, RunImport,
};
// clang-format on
