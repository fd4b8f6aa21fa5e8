#include "cli/base/CliDatabase.h"

#include <algorithm>

#include "cli/base/PathChecks.h"
#include "database/core/SafeDatabaseWriter.h"
#include "framework/portable/PlatformFile.h"

namespace {

void ReadWholeFile(const CString& strPath, CMemFile& bytes)
{
    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, error.GetErrorMessage());
    char buffer[65536];
    for (UINT n; (n = file.Read(buffer, sizeof buffer)) > 0;) bytes.Write(buffer, n);
}

}  // namespace

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

void CCliDatabase::Load(const CString& strFilePath, CPasswordInput& passwords) { Read(strFilePath, passwords, FALSE); }

void CCliDatabase::LoadTryingKeys(const CString& strFilePath, std::initializer_list<const CCliDatabase*> known,
                                  CPasswordInput& passwords)
{
    Read(strFilePath, passwords, FALSE, known);
}

void CCliDatabase::LoadForChange(const CString& strFilePath, CPasswordInput& passwords)
{
    Read(strFilePath, passwords, TRUE);
}

CCliError CCliDatabase::ChangedMeanwhile() const
{
    return CCliError(kExitIo, strPath + " was changed by another program while this command ran; nothing was written");
}

void CCliDatabase::RequireEntry(int nIndex, const CEntry& seen) const
{
    if (nIndex >= list.GetCount() || list.ElementAt(nIndex) != seen) throw ChangedMeanwhile();
}

void CCliDatabase::LockForChange()
{
    Lock();
    CMemFile bytes;
    ReadWholeFile(strPath, bytes);
    const ULONGLONG nLength = bytes.GetLength();
    if (nLength == m_bytesRead.GetLength() &&
        std::equal(bytes.GetData(), bytes.GetData() + nLength, m_bytesRead.GetData()))
        return;
    // Saved meanwhile: the change applies to what is there now.
    DatabaseHeader header;
    CEntryList entries;
    if (ReadDatabaseHeader(bytes, header) != DatabaseStatus::ok || header.wLocked != wLocked ||
        ReadDatabaseBody(bytes, header, strKey, entries) != DatabaseStatus::ok)
        throw ChangedMeanwhile();
    list = std::move(entries);
    m_bytesRead.SetLength(0);
    m_bytesRead.SeekToBegin();
    m_bytesRead.Write(bytes.GetData(), static_cast<UINT>(nLength));
}

void CCliDatabase::StartNew(const CString& strFilePath)
{
    strPath = strFilePath;
    if (strPath.IsEmpty()) throw CCliError(kExitUsage, "the file name is empty");
    if (GetPathKind(strPath) != PathKind::missing)
        throw CCliError(kExitIo, strPath + " already exists; it was not changed");
    m_bNew = TRUE;
}

void CCliDatabase::Lock()
{
    try {
        m_lock.Acquire(strPath);
    } catch (const CFileException& e) {
        if (e.m_cause != CFileException::lockViolation) throw CCliError(kExitIo, e.GetErrorMessage());
        CString strMessage;
        strMessage.Format(
            "%s is being changed by another program (it stayed locked for %u seconds); it was not changed",
            strPath.GetString(), static_cast<unsigned>(kDatabaseLockWaitMs / 1000));
        throw CCliError(kExitIo, strMessage);
    }
}

void CCliDatabase::Read(const CString& strFilePath, CPasswordInput& passwords, BOOL bForChange,
                        std::initializer_list<const CCliDatabase*> known)
{
    strPath = strFilePath;
    CheckDatabasePath(strPath);
    if (bForChange && IsReadOnlyFile(ResolveLinks(strPath)))
        throw CCliError(kExitIo, strPath + " is read-only; it was not changed");
    ReadWholeFile(strPath, m_bytesRead);
    DatabaseHeader header;
    DatabaseStatus status = ReadDatabaseHeader(m_bytesRead, header);
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
    for (const CCliDatabase* pKnown : known) {
        if (!header.IsLocked() || pKnown->wLocked != 1) continue;
        wLocked = 1;
        strKey = pKnown->strKey;
        if (ReadDatabaseBody(m_bytesRead, header, strKey, list) == DatabaseStatus::ok) return;
    }
    CString strPassword, strTyped;
    if (header.IsLocked()) {
        strPassword = passwords.ReadDatabasePassword(strPath, strTyped);
        if (bForChange && header.wEntryCount == 0) passwords.ConfirmDatabasePassword(strPath, strTyped);
    }
    // An empty or overlong password cannot be a key: it is simply wrong.
    if (header.IsLocked() && (strPassword.IsEmpty() || strPassword.GetLength() > kMaxKeyLength))
        throw DatabaseStatusError(strPath, DatabaseStatus::unreadable);
    SetDatabaseKey(*this, strPassword);
    status = ReadDatabaseBody(m_bytesRead, header, strKey, list);
    if (status == DatabaseStatus::unreadable && strTyped != strPassword) {
        SetDatabaseKey(*this, strTyped);
        status = ReadDatabaseBody(m_bytesRead, header, strKey, list);
    }
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
    if (!bForChange && header.IsLocked() && header.wEntryCount == 0)
        m_context.Note("vaultry-cli: " + strPath +
                       " holds no entries, so any password opens it: a wrong password cannot be told");
}

void CCliDatabase::Save()
{
    if (m_bNew) Lock();
    DatabaseStatus status;
    try {
        CSafeDatabaseWriter writer(strPath, m_lock, m_bNew ? nullptr : &m_bytesRead);
        CRandom random;
        status = writer.Save(list, wLocked, strKey, random);
    } catch (const CTargetChangedException&) {
        if (m_bNew) throw CCliError(kExitIo, strPath + " already exists; it was not changed");
        throw ChangedMeanwhile();
    } catch (const CException& e) {
        throw CCliError(kExitIo,
                        strPath + (m_bNew ? " was not created: " : " was not changed: ") + e.GetErrorMessage());
    }
    if (status != DatabaseStatus::ok) throw DatabaseStatusError(strPath, status);
    m_context.strSaved = strPath;
}
