// CReplaceOnSuccessFile: a new file written beside the one it is to replace, which
// takes the old file's place only when the caller commits. Until then the old
// file is never opened for writing, so a failure at any point leaves it
// byte-identical.
//
//   CReplaceOnSuccessFile file;
//   file.Create("dir/Vaultry.vty");      // makes "dir/Vaultry.vty.tmp", empty
//   ... write (and read back) through the file, it is an ordinary CFile ...
//   file.Flush();                         // on the disk before anything checks it
//   file.Commit();                        // moves it over "dir/Vaultry.vty"
//
// - The target is the file that symbolic links at the path lead to: the file is
//   replaced and the links stay. A target that exists must be a regular file the
//   user may write; anything else (a folder, a device, a FIFO, a read-only file)
//   is refused before any file is made.
// - The temporary file is created exclusively, under a name nothing else has:
//   "<target>.tmp", or "<target>.1.tmp", "<target>.2.tmp", ... when that is taken.
//   It is made in the target's folder, so the final move stays on one volume and
//   is a single atomic rename. A file this object did not create is never
//   opened, truncated or removed by it, whatever its name.
// - On POSIX the new file is private to its owner while it is written. With
//   NewFileAccess::likeReplaced it then takes the owner, group and permission
//   bits of the file it replaces; with ownerOnly it stays private.
// - Discard, or destroying the object without a Commit, closes and removes the
//   temporary file. Commit removes it too when it fails.
// - Errors name the target as the caller gave it, never the temporary file.
#pragma once

#include "framework/portable/CFile.h"

enum class NewFileAccess {
    likeReplaced,  // the owner, group and mode of the file replaced, if any
    ownerOnly,     // readable and writable by its owner only (mode 0600)
};

// Thrown by Commit when the target is no longer what RequireTarget said: another
// program saved it (or made it) after it was read. Nothing was replaced.
class CTargetChangedException : public CException {
public:
    CTargetChangedException(LPCTSTR pszFileName, BOOL bExists) : m_strFileName(pszFileName), m_bExists(bExists) {}
    CString GetErrorMessage() const override;

    CString m_strFileName;  // the target as the caller named it
    BOOL m_bExists;         // it exists now
};

class CReplaceOnSuccessFile : public CFile {
public:
    CReplaceOnSuccessFile() = default;
    ~CReplaceOnSuccessFile() override;

    // Creates the empty temporary file for pszTargetPath, open for reading and
    // writing. Throws CFileException (naming pszTargetPath) when it cannot, or
    // when the target is not a regular file this user may write.
    void Create(LPCTSTR pszTargetPath, NewFileAccess access = NewFileAccess::likeReplaced);

    // Makes Commit replace the target only while it holds exactly the bytes of
    // pExpected (from its start), or, with nullptr, only while there is none: a
    // new file then never replaces one that appeared meanwhile.
    void RequireTarget(CFile* pExpected);

    // The target as the caller named it; GetFilePath() names it too.
    const CString& GetTargetPath() const { return m_strFileName; }

    // Closes the temporary file and moves it over the target. Throws
    // CFileException or CTargetChangedException on failure, after removing the
    // temporary file.
    void Commit();

    // Closes and removes the temporary file, if there is one. Never throws.
    void Discard();

private:
    void CheckTarget() const;
    void MoveIntoPlace();

    CString m_strTarget;  // the file replaced: the path with its links followed
    CString m_strTempPath;
    BOOL m_bPending = FALSE;  // the temporary file exists and is ours to remove
    BOOL m_bCheckTarget = FALSE;
    CFile* m_pExpected = nullptr;
};
