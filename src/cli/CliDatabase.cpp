#include "cli/CliDatabase.h"

#include <climits>

#include "database/SafeDatabaseWriter.h"

CCliError DatabaseStatusError(const CString& strPath, DatabaseStatus status)
{
    CString strMessage = DatabaseStatusMessage(status);
    int nLineEnd = strMessage.Find('\n');
    if (nLineEnd >= 0) strMessage = strMessage.Left(nLineEnd);
    CliExitCode nCode = status == DatabaseStatus::tooManyEntries ? kExitIo : kExitDatabase;
    return CCliError(nCode, strPath + ": " + strMessage);
}

void SetDatabaseKey(CCliDatabase& db, const CString& strPassword)
{
    db.wLocked = strPassword.IsEmpty() ? 0 : 1;
    db.strKey = DatabaseKeyText(db.wLocked, strPassword);
}

void CCliDatabase::Load(const CString& strFilePath, CPasswordInput& passwords)
{
    strPath = strFilePath;
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, error.GetErrorMessage());
    DatabaseHeader header;
    DatabaseStatus status = ReadDatabaseHeader(file, header);
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
    CString strPassword;
    if (header.IsLocked()) strPassword = passwords.ReadDatabasePassword(strPath);
    SetDatabaseKey(*this, strPassword);
    // An empty or overlong password cannot be a key: it is simply wrong.
    if (header.IsLocked() && (strPassword.IsEmpty() || strPassword.GetLength() > kMaxKeyLength))
        throw DatabaseStatusError(strPath, DatabaseStatus::unreadable);
    status = ReadDatabaseBody(file, header, strKey, list);
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
}

void CCliDatabase::Save() const
{
    DatabaseStatus status;
    try {
        status = SaveDatabaseFile(strPath, list, wLocked, strKey);
    } catch (const CException& e) {
        throw CCliError(kExitIo, strPath + " was not changed: " + e.GetErrorMessage());
    }
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
}

int CCliDatabase::ParseIndex(const CString& strOperand) const
{
    int nIndex = 0;
    if (ParseDecimal(strOperand, INT_MAX, nIndex) && nIndex < list.GetCount()) return nIndex;
    if (list.GetCount() == 0) throw CCliError(kExitUsage, strPath + " has no entries");
    CString strMessage;
    strMessage.Format("%s has no entry %s; its entries are 0 to %d", strPath.GetString(), strOperand.GetString(),
                      list.GetCount() - 1);
    throw CCliError(kExitUsage, strMessage);
}
