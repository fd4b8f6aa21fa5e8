// CVaultryDoc: the open database. It holds the entries, the key text and the lock
// flag, and carries out New, Open, Save and Save As. Opening reads the clear
// header through Serialize, then deciphers the body into a memory file and
// parses the records; saving writes header and body to a new file beside the
// database and replaces the database only when that file reads back correctly.
#pragma once

#include "database/EntryList.h"
#include "framework/portable/CMemFile.h"
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
    CMemFile* m_pMemFile;
    char* m_pszKey;
    BOOL m_bFileError;
    BOOL m_bAskPassword;
    WORD m_wLocked;
    CString m_strPassword;
    CEntryList m_EntryList;

protected:
    // Writes the enciphered body after the header already in pFile. A seam for
    // tests that make the disk fail part-way.
    virtual void WriteBody(CFile& file);

private:
    BOOL AskForNewPassword();
    BOOL ChooseOpenKey();
    void ReadBody(CFile& file);
    short KeyLength() const;
    void FreeKey();
    void FreeMemFile();

    DECLARE_MESSAGE_MAP()
};
