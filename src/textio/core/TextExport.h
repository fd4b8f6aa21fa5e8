// An export of entries to a text file: one line per entry (EntryLineWriter), the
// passwords in clear. Open creates the file, or empties an existing one, for this
// process's exclusive use. An export that fails part-way leaves no cleartext
// behind: a file it created is removed; a file that was there before is emptied,
// not removed (its old content went when Open emptied it, and the file itself,
// with its permissions and links, or a device, is the user's).
#pragma once

#include "database/core/EntryList.h"
#include "framework/portable/CFile.h"

class CTextExport {
public:
    CTextExport() = default;
    // Discards an export that was opened and not written to its end.
    virtual ~CTextExport();
    CTextExport(const CTextExport&) = delete;
    CTextExport& operator=(const CTextExport&) = delete;

    BOOL Open(LPCTSTR pszPath);
    // Writes the lines and closes the file. FALSE when that failed: nothing of the
    // export is left then, and strError tells why (and whether the incomplete
    // file could not be removed).
    BOOL Write(const CEntryList& list, CString& strError);

protected:
    // The file the lines are written into. A seam for tests that make the disk
    // fail part-way.
    virtual CFile& FileToWrite(CFile& file) { return file; }

private:
    // Removes the file this export created, or empties the one it replaced.
    BOOL Discard();

    CFile m_file;
    CString m_strPath;  // empty when no export is pending
    BOOL m_bCreated = FALSE;
};
