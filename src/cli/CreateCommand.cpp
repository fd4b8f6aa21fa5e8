// create DB [--no-lock]: a new database with no entries. It never replaces an
// existing file.
#include "cli/CliDatabase.h"
#include "cli/Commands.h"

namespace {

void ThrowIfExists(const CString& strPath)
{
    CFile file;
    CFileException error;
    if (file.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &error))
        throw CCliError(kExitIo, strPath + " already exists; it was not changed");
    // A path that cannot be opened for another reason may still name a file:
    // leave it alone. A missing folder fails later, when the file is written.
    if (error.m_cause != CFileException::fileNotFound && error.m_cause != CFileException::badPath)
        throw CCliError(kExitIo, error.GetErrorMessage());
}

void RunCreate(CCliContext& context)
{
    CCliDatabase db;
    db.strPath = context.args.GetOperand(0);
    ThrowIfExists(db.strPath);
    CString strPassword;
    if (!context.args.Has("--no-lock")) strPassword = CPasswordInput(context).ReadNewDatabasePassword();
    SetDatabaseKey(db, strPassword);
    db.Save();
}

const CliOption kOptions[] = {{"--no-lock", FALSE}};

}  // namespace

const CliCommand kCreateCommand = {
    "create", "create DB [--no-lock]", "make a new database with no entries",
    "Asks for the new password twice. With --no-lock the database is not locked:\n"
    "it is enciphered with the built-in key and opens without a password.\n"
    "An existing file is never replaced.\n",
    kOptions, 1, 1, 1, RunCreate,
};
