// CReplaceOnSuccessFile: a new file written beside the one it is to replace, which
// takes the old file's place only when the caller commits. Until then the old
// file is never opened, so a failure at any point leaves it byte-identical.
//
//   CReplaceOnSuccessFile file;
//   file.Create("dir/Vaultry.vty");      // makes "dir/Vaultry.vty.tmp", empty
//   ... write (and read back) through the file, it is an ordinary CFile ...
//   file.Flush();                         // on the disk before anything checks it
//   file.Commit();                        // moves it over "dir/Vaultry.vty"
//
// - The temporary file is created exclusively (never through an existing file or
//   link) in the target's folder, so the final move stays on one volume and is a
//   single atomic rename. On POSIX it is readable by its owner only, or takes the
//   permission bits of the file it replaces.
// - A temporary file left by a process that was killed before it committed is
//   removed and made anew by the next Create for the same target.
// - Discard, or destroying the object without a Commit, closes and removes the
//   temporary file. Commit removes it too when the move fails.
#pragma once

#include "framework/portable/CFile.h"

class CReplaceOnSuccessFile : public CFile {
public:
    CReplaceOnSuccessFile() = default;
    ~CReplaceOnSuccessFile() override;

    // The temporary name used for a target: the target's path with ".tmp" added.
    static CString TempPathFor(LPCTSTR pszTargetPath);

    // Creates the empty temporary file for pszTargetPath, open for reading and
    // writing. Throws CFileException (naming the temporary file) when it cannot.
    void Create(LPCTSTR pszTargetPath);

    const CString& GetTargetPath() const { return m_strTargetPath; }
    // GetFilePath() is the temporary file's path.

    // Closes the temporary file and moves it over the target. Throws
    // CFileException on failure, after removing the temporary file.
    void Commit();

    // Closes and removes the temporary file, if there is one. Never throws.
    void Discard();

private:
    CString m_strTargetPath;
    BOOL m_bPending = FALSE;   // the temporary file exists and is ours to remove
};
