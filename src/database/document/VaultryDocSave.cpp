// Saving. Save As and a new database write their file as they always have. A save
// to the file this document read or last wrote looks at it first, since another
// program may have saved it meanwhile: changed entries are merged with this
// window's (or, if the user says so, replaced), always asking before the
// database's lock is taken; under the lock the file is looked at once more, and
// replaced only while it holds what was merged.
#include "database/core/DatabaseLock.h"
#include "database/core/SafeDatabaseWriter.h"
#include "database/document/MergeMessages.h"
#include "database/document/UnlockDlg.h"
#include "database/document/VaultryDoc.h"

#include <utility>

namespace {

const int kArchiveBuffer = 512;
const char kSaveError[] = "Error saving database.";

// Counts while it lives: a save is under way.
class CSavingScope {
public:
    explicit CSavingScope(int& nSaving) : m_nSaving(nSaving) { ++m_nSaving; }
    ~CSavingScope() { --m_nSaving; }
    CSavingScope(const CSavingScope&) = delete;
    CSavingScope& operator=(const CSavingScope&) = delete;

private:
    int& m_nSaving;
};

}  // namespace

// What the questions before the lock decided.
struct CVaultryDoc::SavePlan {
    BOOL bOverBase = FALSE;   // the save goes to the base's file: it is looked at again under the lock
    CDatabaseFileImage seen;  // the file as the questions saw it
    // A change found under the lock is merged three-way with this ancestor and
    // pOwn, this window's entries; without an ancestor the save fails instead.
    const CEntryList* pMergeBase = nullptr;
    const CEntryList* pOwn = nullptr;
    CEntryList ownBeforeMerge;  // this window's entries, while a merge is shown
    CString strFileKey;         // the key the file opened with last
    BOOL bKeepKey = FALSE;      // a new password was given for this save: it stays
    // The merge shown, and the file it came from (the base after a failed save).
    BOOL bMerged = FALSE;
    MergeResult result;
    CEntryList fileEntries;
    FileIdentity fileIdentity;
};

BOOL CVaultryDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (m_EntryList.GetCount() > kMaxEntries) {
        AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::tooManyEntries), MB_ICONEXCLAMATION);
        return FALSE;
    }
    CSavingScope saving(m_nSaving);
    SavePlan plan;
    plan.pOwn = &m_EntryList;
    plan.bKeepKey = m_bAskPassword;
    plan.bOverBase = !m_bSavingAs && IsBaseFor(lpszPathName);
    BOOL bSaved = FALSE;
    if ((!plan.bOverBase || PrepareSave(lpszPathName, plan)) && (!m_bAskPassword || AskForNewPassword())) {
        BuildKey();
        if (KeyText().IsEmpty()) {  // no usable key: never write a file that could not be read
            AfxMessageBox(kSaveError);
        } else {
            try {
                bSaved = plan.bOverBase ? SaveOverBase(lpszPathName, plan) : SaveNew(lpszPathName);
            } catch (const CTargetChangedException& e) {
                AfxMessageBox(CString(kSaveError) + "\n" + e.GetErrorMessage(), MB_ICONEXCLAMATION);
            } catch (const CFileException& e) {
                AfxMessageBox(e.m_cause == CFileException::lockViolation
                                  ? CString(kSaveError) + "\nAnother program is saving it: " + e.m_strFileName
                                  : CString(kSaveError));
            } catch (const CException&) {
                AfxMessageBox(kSaveError);
            }
        }
    }
    // After a merge that was not saved, the file it came from is the base, so that
    // the next save does not bring its changes in twice.
    if (!bSaved && plan.bMerged) SetBase(lpszPathName, plan.fileEntries, plan.fileIdentity);
    // A failed save leaves the database marked changed: what is on the disk is not
    // what the user sees.
    SetModifiedFlag(!bSaved);
    if (bSaved && plan.bMerged && !m_bEndingSession)
        AfxMessageBox(MergeReport(GetTitle(), plan.result), MB_ICONINFORMATION);
    return bSaved;
}

// The file is written as a new one would be; the database's lock is held meanwhile.
BOOL CVaultryDoc::SaveNew(LPCTSTR lpszPathName)
{
    CSafeDatabaseWriter writer(lpszPathName);
    return WriteAndCommit(lpszPathName, writer);
}

// Writes the header through Serialize and, unless that failed, the body.
void CVaultryDoc::WriteFile(CFile& file)
{
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        Serialize(ar);
        ar.Close();
    }
    if (m_bFileError) return;
    CRandom random;
    // The count and the key were checked, so the body is written; Commit would
    // refuse a file without it.
    WriteDatabaseBody(file, m_EntryList, KeyText(), random);
}

// Writes the database through the writer and has it replace the file; the file
// written is then the base. FALSE when the header could not be written.
BOOL CVaultryDoc::WriteAndCommit(LPCTSTR lpszPathName, CSafeDatabaseWriter& writer)
{
    WriteFile(FileToWrite(writer.GetFile()));
    if (m_bFileError) return FALSE;
    // The hash of the bytes that take the file's place, not of whatever is at
    // the path afterwards: a program that replaced the file at once would
    // otherwise pass for this save.
    FileIdentity identity;
    identity.hash = CSha256::OfFile(writer.GetFile());
    writer.Commit(m_EntryList, m_wLocked, KeyText());
    identity.stamp = GetFileStamp(lpszPathName);
    SetBase(lpszPathName, m_EntryList, identity);
    return TRUE;
}

// The questions before the lock. FALSE when nothing is to be saved.
BOOL CVaultryDoc::PrepareSave(LPCTSTR lpszPathName, SavePlan& plan)
{
    try {
        ReadImage(plan.seen, lpszPathName, CFile::shareDenyNone);
    } catch (const CFileException& e) {
        AfxMessageBox(CString(kSaveError) + "\n" + e.GetErrorMessage(), MB_ICONEXCLAMATION);
        return FALSE;
    }
    plan.pMergeBase = &m_BaseList;
    plan.strFileKey = KeyText();
    // Unchanged, or gone (then simply written).
    if (!plan.seen.Exists() || plan.seen.Holds(m_baseIdentity)) return TRUE;

    DatabaseHeader header;
    CEntryList fileEntries;
    DatabaseStatus status = ReadWithOwnKey(plan.seen, header, fileEntries, plan.strFileKey);
    if (status == DatabaseStatus::unreadable && header.IsLocked()) {
        // Locked, or locked with another password, by the other program.
        CUnlockDlg dlg;
        if (dlg.DoModal() != IDOK) return FALSE;
        plan.strFileKey = dlg.m_strPassword;
        if (plan.strFileKey.IsEmpty() ||
            plan.seen.ReadEntries(header, plan.strFileKey, fileEntries) != DatabaseStatus::ok) {
            AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::unreadable));
            return FALSE;
        }
        status = DatabaseStatus::ok;
    }
    if (status != DatabaseStatus::ok) {
        // No database any more (or a damaged one): replaced only when the user says so.
        if (status == DatabaseStatus::unreadable) status = DatabaseStatus::notDatabase;
        plan.pMergeBase = nullptr;
        return AfxMessageBox(NotDatabaseQuestion(GetTitle(), status), MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) ==
               IDYES;
    }
    const WORD wFileLocked = header.LockFlag();
    if (fileEntries == m_BaseList) {
        // Saved there with the same entries: only its lock or key may have changed,
        // on purpose, and stays so.
        if (!plan.bKeepKey) TakeKey(wFileLocked, DatabaseKeyText(wFileLocked, plan.strFileKey));
        return TRUE;
    }
    const int nAnswer =
        m_bEndingSession ? IDYES : AfxMessageBox(ChangedFileQuestion(GetTitle()), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (nAnswer == IDCANCEL) return FALSE;
    if (nAnswer == IDNO) {
        // This window's entries replace the file as it was shown in the question;
        // what comes after it is merged into them.
        plan.fileEntries = std::move(fileEntries);
        plan.pMergeBase = &plan.fileEntries;
        return TRUE;
    }
    return ShowMerge(MergeEntries(fileEntries, m_EntryList, &m_BaseList), fileEntries, plan.seen.GetIdentity(),
                     wFileLocked, plan);
}

// Shows a merge of this window's entries with the file's, with the file's lock
// flag and key. FALSE (nothing shown) when it holds more entries than a file can.
BOOL CVaultryDoc::ShowMerge(MergeResult&& result, const CEntryList& fileEntries, const FileIdentity& fileIdentity,
                            WORD wFileLocked, SavePlan& plan)
{
    if (result.merged.GetCount() > kMaxEntries) {
        AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::tooManyEntries), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!plan.bMerged) {
        plan.ownBeforeMerge = std::move(m_EntryList);
        plan.pOwn = &plan.ownBeforeMerge;
    }
    plan.bMerged = TRUE;
    plan.result = std::move(result);
    m_EntryList = plan.result.merged;
    if (&fileEntries != &plan.fileEntries) plan.fileEntries = fileEntries;
    plan.fileIdentity = fileIdentity;
    if (!plan.bKeepKey) TakeKey(wFileLocked, DatabaseKeyText(wFileLocked, plan.strFileKey));
    SetModifiedFlag(TRUE);
    UpdateAllViews(nullptr);
    return TRUE;
}

// Under the database's lock: looks at the file once more, merges again when it
// changed since the questions, and replaces it only while it holds what was
// merged. FALSE when the header could not be written.
BOOL CVaultryDoc::SaveOverBase(LPCTSTR lpszPathName, SavePlan& plan)
{
    CDatabaseLock lock;
    lock.Acquire(lpszPathName);
    CDatabaseFileImage now;
    ReadImage(now, lpszPathName, CFile::shareDenyNone);
    if (now.Exists() && !now.Holds(plan.seen.GetIdentity())) MergeAgain(lpszPathName, now, plan);
    if (plan.bMerged && plan.result.bEqualsDatabase && plan.fileIdentity.hash == now.GetIdentity().hash &&
        !plan.bKeepKey) {
        // The file holds the merge already, under the same key: nothing to write.
        SetBase(lpszPathName, m_EntryList, now.GetIdentity());
        return TRUE;
    }
    CSafeDatabaseWriter writer(lpszPathName, lock, now.Exists() ? &now.GetBytes() : nullptr);
    return WriteAndCommit(lpszPathName, writer);
}

// The file changed again after the questions: the change is merged, with no
// question now (the lock is held). A file that then does not open with the key
// it had, or did not read as a database, is left alone and the save fails.
void CVaultryDoc::MergeAgain(LPCTSTR lpszPathName, CDatabaseFileImage& now, SavePlan& plan)
{
    DatabaseHeader header;
    CEntryList fileEntries;
    if (plan.pMergeBase == nullptr || now.ReadHeader(header) != DatabaseStatus::ok ||
        now.ReadEntries(header, header.IsLocked() ? plan.strFileKey : CString(kBuiltInKey), fileEntries) !=
            DatabaseStatus::ok)
        throw CTargetChangedException(lpszPathName, TRUE);
    MergeResult result = MergeEntries(fileEntries, *plan.pOwn, plan.pMergeBase);
    if (result.merged.GetCount() > kMaxEntries) throw CDatabaseVerifyException(lpszPathName);
    ShowMerge(std::move(result), fileEntries, now.GetIdentity(), header.LockFlag(), plan);
}
