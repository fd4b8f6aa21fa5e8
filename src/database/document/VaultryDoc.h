// CVaultryDoc: the open database. It holds the entries, the key text and the lock
// flag, and carries out New, Open, Save and Save As. Opening reads the clear
// header through Serialize, then has the database codec decipher and parse the
// body; saving writes the header through Serialize and the body through the
// codec into a new file beside the database, and replaces the database only when
// that file reads back correctly.
//
// Other programs may change the file meanwhile (vaultry-cli, the program open
// twice, a folder kept in sync between computers). So the document keeps the
// entries as it last read or wrote the file (the base) and how the file then was
// (its identity). A save to that file that finds it changed merges the changes
// made there with those made here (VaultryDocSave.cpp); with no unsaved change,
// the frame's timer has the document reload the file (VaultryDocReload.cpp).
#pragma once

#include "database/core/DatabaseFileImage.h"
#include "database/core/EntryList.h"
#include "database/core/FileChangeWatch.h"
#include "framework/win32/Afx.h"

struct MergeResult;
class CSafeDatabaseWriter;

// The hint of UpdateAllViews after a reload: the entries shown until then.
class CReloadHint : public CObject {
public:
    explicit CReloadHint(const CEntryList& shown) : m_shown(shown) {}
    const CEntryList& m_shown;
};

class CVaultryDoc : public CDocument {
    DECLARE_DYNCREATE(CVaultryDoc)
public:
    // The hint of UpdateAllViews after a reload; pHint is a CReloadHint.
    static const LPARAM kHintReloaded = 1;

    CVaultryDoc();
    ~CVaultryDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    BOOL SaveModified() override;

    afx_msg void OnFileSaveAs();

    // Copies m_strPassword into the NUL-terminated key buffer m_pszKey.
    void BuildKey();
    // Falls back to a fresh, empty, untitled database after a failed load.
    void ResetToNew();

    // Called about once a second by the frame while no dialog, message box or
    // command runs: with no unsaved change, shows the file's entries once another
    // program has saved it and then left it alone for a moment.
    void LookForOutsideChange();
    // A save, or the question whether to save, is under way: nothing may start
    // another one (or reload) until it ends.
    BOOL IsSaving() const { return m_nSaving > 0; }

    WORD m_wEntryCount;
    char* m_pszKey;
    BOOL m_bFileError;
    BOOL m_bAskPassword;
    WORD m_wLocked;
    CString m_strPassword;
    CEntryList m_EntryList;

    // Set by the frame while the session ends: a save merges without asking and
    // without reporting.
    BOOL m_bEndingSession;
    int m_nReloads;  // reloads so far

protected:
    // The file a save writes header and body into: the new file beside the
    // database. A seam for tests that make the disk fail part-way.
    virtual CFile& FileToWrite(CFile& file) { return file; }

private:
    struct SavePlan;

    BOOL AskForNewPassword();
    BOOL ChooseOpenKey();
    CString KeyText() const;
    void FreeKey();

    // The base: what the file at m_strBasePath held, and how it was, when this
    // document last read or wrote it. No path for a database never read or saved.
    void SetBase(LPCTSTR lpszPathName, const CEntryList& entries, const FileIdentity& identity);
    void ForgetBase();
    BOOL IsBaseFor(LPCTSTR lpszPathName) const;
    // Takes over the lock flag and key of a file that another program changed.
    void TakeKey(WORD wLocked, const CString& strKey);
    // Reads the header, then the entries under this document's key: its password
    // when the file is locked, the built-in key when not (strKey: the key tried).
    DatabaseStatus ReadWithOwnKey(CDatabaseFileImage& image, DatabaseHeader& header, CEntryList& list, CString& strKey);
    // Reads the file whole; a writer busy with it is waited for a moment.
    static void ReadImage(CDatabaseFileImage& image, LPCTSTR lpszPathName, UINT nShare);

    // Saving (VaultryDocSave.cpp).
    BOOL SaveNew(LPCTSTR lpszPathName);
    BOOL PrepareSave(LPCTSTR lpszPathName, SavePlan& plan);
    BOOL ShowMerge(MergeResult&& result, const CEntryList& fileEntries, const FileIdentity& fileIdentity,
                   WORD wFileLocked, SavePlan& plan);
    BOOL SaveOverBase(LPCTSTR lpszPathName, SavePlan& plan);
    void MergeAgain(LPCTSTR lpszPathName, CDatabaseFileImage& now, SavePlan& plan);
    void WriteFile(CFile& file);
    BOOL WriteAndCommit(LPCTSTR lpszPathName, CSafeDatabaseWriter& writer);

    CString m_strBasePath;
    CEntryList m_BaseList;
    FileIdentity m_baseIdentity;
    CFileChangeWatch m_watch;
    BOOL m_bToldUnreadable;  // a reload said that the changed file does not open here
    BOOL m_bSavingAs;
    int m_nSaving;

    DECLARE_MESSAGE_MAP()
};
