// CVaultryDoc: the open database. It holds the entries, the key text and the lock
// flag, and carries out New, Open, Save and Save As. Opening reads the clear
// header through Serialize, then has the database codec decipher and parse the
// body; saving writes the header through Serialize and the body through the
// codec into a new file beside the database, and replaces the database only when
// that file reads back correctly.
#pragma once

#include "database/core/EntryList.h"
#include "framework/win32/Afx.h"

class CVaultryDoc : public CDocument {
    DECLARE_DYNCREATE(CVaultryDoc)
public:
    CVaultryDoc();
    ~CVaultryDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;

    afx_msg void OnFileSaveAs();

    // Copies m_strPassword into the NUL-terminated key buffer m_pszKey.
    void BuildKey();
    // Falls back to a fresh, empty, untitled database after a failed load.
    void ResetToNew();

    WORD m_wEntryCount;
    char* m_pszKey;
    BOOL m_bFileError;
    BOOL m_bAskPassword;
    WORD m_wLocked;
    CString m_strPassword;
    CEntryList m_EntryList;

protected:
    // The file a save writes header and body into: the new file beside the
    // database. A seam for tests that make the disk fail part-way.
    virtual CFile& FileToWrite(CFile& file) { return file; }

private:
    BOOL AskForNewPassword();
    BOOL ChooseOpenKey();
    CString KeyText() const;
    void FreeKey();

    DECLARE_MESSAGE_MAP()
};
