#include "database/document/VaultryDoc.h"

#include <cstring>

#include "app/VaultryApp.h"
#include "database/core/DatabaseCodec.h"
#include "database/document/SetPasswordDlg.h"
#include "database/document/UnlockDlg.h"

namespace {

const char kDefaultDatabase[] = "Vaultry.vty";
const char kMissingDefault[] =
    "The default database vaultry.vty cannot be found.\nIf this is your first time using Vaultry, click Save\n"
    "when your done and leave the name vaultry.vty.";
const char kSaveError[] = "Error saving database.";
const int kReadTries = 20;
const DWORD kReadRetryMs = 50;

}  // namespace

IMPLEMENT_DYNCREATE(CVaultryDoc, CDocument)

BEGIN_MESSAGE_MAP(CVaultryDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE_AS, &CVaultryDoc::OnFileSaveAs)
END_MESSAGE_MAP()

CVaultryDoc::CVaultryDoc()
    : m_wEntryCount(0), m_pszKey(nullptr), m_bFileError(FALSE), m_bAskPassword(FALSE), m_wLocked(0),
      m_bEndingSession(FALSE), m_nReloads(0), m_bToldUnreadable(FALSE), m_bSavingAs(FALSE), m_nSaving(0)
{}

CVaultryDoc::~CVaultryDoc() { FreeKey(); }

void CVaultryDoc::FreeKey()
{
    if (m_pszKey) {
        SecureZero(m_pszKey, std::strlen(m_pszKey));
        delete[] m_pszKey;
        m_pszKey = nullptr;
    }
}

void CVaultryDoc::BuildKey()
{
    FreeKey();
    const int n = m_strPassword.GetLength();
    m_pszKey = new char[n + 1];
    std::memcpy(m_pszKey, m_strPassword.GetString(), n);
    m_pszKey[n] = 0;
}

// The key as the cipher takes it: the bytes up to the first NUL, at most 32,767
// of them. The schedule uses only the first 72 bytes, so the cut changes nothing.
CString CVaultryDoc::KeyText() const
{
    size_t n = m_pszKey ? std::strlen(m_pszKey) : 0;
    return CString(m_pszKey, static_cast<int>(n > static_cast<size_t>(kMaxKeyLength) ? kMaxKeyLength : n));
}

void CVaultryDoc::ResetToNew()
{
    GetVaultryApp()->OnFileNew();
    UpdateAllViews(nullptr, 0, nullptr);
}

BOOL CVaultryDoc::OnNewDocument()
{
    m_bAskPassword = TRUE;
    m_EntryList.RemoveAll();
    ForgetBase();
    if (!CDocument::OnNewDocument()) {
        AfxMessageBox("Error creating new doc.");
        return FALSE;
    }
    return TRUE;
}

// Reads or writes the 15-byte clear header.
void CVaultryDoc::Serialize(CArchive& ar)
{
    m_bFileError = FALSE;
    if (ar.IsStoring()) {
        try {
            WriteDatabaseHeader(ar, m_wLocked, static_cast<WORD>(m_EntryList.GetCount()));
        } catch (const CArchiveException&) {
            AfxMessageBox(kSaveError);
            m_bFileError = TRUE;
        }
        return;
    }
    DatabaseHeader header;
    DatabaseStatus status = ReadDatabaseHeader(ar, header);
    if (status != DatabaseStatus::ok) {
        AfxMessageBox(DatabaseStatusMessage(status));
        m_bFileError = TRUE;
        return;
    }
    // Any flag but 1 reads as not locked, and is saved as what it means: 0.
    m_wLocked = header.LockFlag();
    m_wEntryCount = header.wEntryCount;
}

BOOL CVaultryDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    {
        CFile probe;
        if (!probe.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite)) {
            if (std::strstr(lpszPathName, kDefaultDatabase)) {
                SetPathName(kDefaultDatabase, TRUE);
                SetTitle(kDefaultDatabase);
                AfxMessageBox(kMissingDefault, MB_ICONINFORMATION);
            }
            return FALSE;
        }
        // The framework's open does not look at an empty file at all; it is no
        // database, and the database open before stays.
        ULONGLONG length = probe.GetLength();
        probe.Close();
        if (length == 0) {
            AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::notDatabase));
            return FALSE;
        }
    }
    if (!CDocument::OnOpenDocument(lpszPathName)) return FALSE;
    if (m_bFileError) return FALSE;

    m_bFileError = FALSE;
    m_bAskPassword = FALSE;
    m_EntryList.RemoveAll();

    // The body is only read, so a read-only database opens too. The file is read
    // whole, with its identity, which later saves and reloads compare.
    CDatabaseFileImage image;
    try {
        ReadImage(image, lpszPathName, CFile::shareDenyWrite);
    } catch (const CFileException&) {}
    if (!image.Exists()) {
        AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::headerTruncated));
        m_bFileError = TRUE;
    } else if (ChooseOpenKey()) {
        // The reader deciphers into a buffer of its own and wipes it before it
        // returns: no deciphered text stays behind but the entries.
        BuildKey();
        DatabaseHeader header;
        header.wLocked = m_wLocked;
        header.wEntryCount = m_wEntryCount;
        // A key of no bytes (a password that starts with a NUL) is wrong too.
        if (image.ReadEntries(header, KeyText(), m_EntryList) != DatabaseStatus::ok) {
            AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::unreadable));
            m_bFileError = TRUE;
        }
    } else {
        m_bFileError = TRUE;
    }

    if (m_bFileError) {
        ResetToNew();
        return FALSE;
    }
    SetBase(lpszPathName, m_EntryList, image.GetIdentity());
    return TRUE;
}

// Sets m_strPassword for the body about to be read: the unlock dialog's password
// for a locked database, the built-in key otherwise. FALSE when nothing is to be
// deciphered (Cancel, or an empty password, which cannot be a key).
BOOL CVaultryDoc::ChooseOpenKey()
{
    if (m_wLocked != 1) {
        m_strPassword = kBuiltInKey;
        return TRUE;
    }
    CUnlockDlg dlg;
    if (dlg.DoModal() != IDOK) return FALSE;
    if (dlg.m_strPassword.IsEmpty()) {
        AfxMessageBox(DatabaseStatusMessage(DatabaseStatus::unreadable));
        return FALSE;
    }
    m_strPassword = dlg.m_strPassword;
    return TRUE;
}

// Asks for the password of a database that is saved for the first time or under
// a new name. FALSE when the dialog was closed without OK: the save then ends
// without touching the file.
BOOL CVaultryDoc::AskForNewPassword()
{
    CSetPasswordDlg dlg;
    if (dlg.DoModal() != IDOK) return FALSE;
    m_strPassword = dlg.m_strPassword;
    if (dlg.m_bDoNotLock) {
        m_wLocked = 0;
        m_strPassword = kBuiltInKey;
    } else {
        m_wLocked = 1;
    }
    return TRUE;
}

void CVaultryDoc::OnFileSaveAs()
{
    m_bAskPassword = TRUE;
    // Whatever name is chosen, the file there is replaced, not merged with.
    m_bSavingAs = TRUE;
    CDocument::OnFileSaveAs();
    m_bSavingAs = FALSE;
}

BOOL CVaultryDoc::SaveModified()
{
    // While a save asks something, the session's end must not start another.
    if (IsSaving()) return FALSE;
    ++m_nSaving;
    const BOOL bGoOn = CDocument::SaveModified();
    --m_nSaving;
    return bGoOn;
}

// The base.

void CVaultryDoc::ReadImage(CDatabaseFileImage& image, LPCTSTR lpszPathName, UINT nShare)
{
    // A file that changes while it is read is being written: it is read again once
    // the writer is done.
    for (int nTry = 0; !image.Read(lpszPathName, nShare); ++nTry) {
        if (nTry == kReadTries) throw CFileException(CFileException::sharingViolation, 0, lpszPathName);
        ::Sleep(kReadRetryMs);
    }
}

void CVaultryDoc::SetBase(LPCTSTR lpszPathName, const CEntryList& entries, const FileIdentity& identity)
{
    m_strBasePath = AfxFullPath(lpszPathName);
    if (&entries != &m_BaseList) m_BaseList = entries;
    m_baseIdentity = identity;
    m_watch.SetKnown(identity.stamp);
    m_bToldUnreadable = FALSE;
}

void CVaultryDoc::ForgetBase()
{
    m_strBasePath.Empty();
    m_BaseList.RemoveAll();
    m_baseIdentity = FileIdentity();
}

BOOL CVaultryDoc::IsBaseFor(LPCTSTR lpszPathName) const
{
    return !m_strBasePath.IsEmpty() && AfxFullPath(lpszPathName).CompareNoCase(m_strBasePath) == 0;
}

void CVaultryDoc::TakeKey(WORD wLocked, const CString& strKey)
{
    m_wLocked = wLocked;
    m_strPassword = strKey;
    BuildKey();
}

DatabaseStatus CVaultryDoc::ReadWithOwnKey(CDatabaseFileImage& image, DatabaseHeader& header, CEntryList& list,
                                           CString& strKey)
{
    DatabaseStatus status = image.ReadHeader(header);
    if (status != DatabaseStatus::ok) return status;
    // A file locked since it was read here does not open with the built-in key.
    strKey = header.IsLocked() ? (m_wLocked == 1 ? KeyText() : CString()) : CString(kBuiltInKey);
    if (strKey.IsEmpty()) return DatabaseStatus::unreadable;
    return image.ReadEntries(header, strKey, list);
}
