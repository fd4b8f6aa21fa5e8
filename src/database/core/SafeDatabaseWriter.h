// CSafeDatabaseWriter: saves a database so that the file on disk is always either
// the old database or the complete new one.
//
// The new file is written beside the old one under a temporary name
// (CReplaceOnSuccessFile: links followed, owner, group and mode kept, a read-only
// file refused). Commit forces it to the disk, reads it back and deciphers it: the
// format carries no check value, so this is the only way to know the file holds
// exactly the entries saved. Only then does it replace the old file. On any
// failure the old file is left byte-identical and the temporary file is removed.
// The database's lock (CDatabaseLock) is held meanwhile, so that two saves, or a
// save and a vaultry-cli change, do not run at once.
//
// A caller that writes the header and the body itself (the program's document):
//
//   CSafeDatabaseWriter writer(strPath);            // throws CFileException
//   { CArchive ar(&writer.GetFile(), CArchive::store); WriteDatabaseHeader(ar, ...); ar.Close(); }
//   EncryptStream(&plain, &writer.GetFile(), key, nKeyLength);
//   writer.Commit(list, wLocked, strKeyText);       // throws on failure
//
// Callers with nothing special to write use SaveDatabaseFile.
#pragma once

#include "database/core/DatabaseCodec.h"
#include "database/core/DatabaseLock.h"
#include "database/core/ReplaceOnSuccessFile.h"

// Thrown by CSafeDatabaseWriter::Commit when the written file does not read back
// as the entries given (a damaged write, or a caller that wrote something else).
class CDatabaseVerifyException : public CException {
public:
    explicit CDatabaseVerifyException(LPCTSTR pszFileName) : m_strFileName(pszFileName) {}
    CString GetErrorMessage() const override;

    CString m_strFileName;  // the database that was to be saved
};

class CSafeDatabaseWriter {
public:
    // Takes the database's lock for the length of the save, then creates the empty
    // temporary file beside pszPath. Throws CFileException when either cannot be
    // done; pszPath is untouched then.
    explicit CSafeDatabaseWriter(LPCTSTR pszPath);
    // The save that ends a read-modify-write during which the caller holds the
    // database's lock: Commit replaces the database only while it still holds the
    // bytes pBytesRead (read from it at the start), or, with nullptr, only while
    // there is no file at pszPath. Otherwise as above.
    CSafeDatabaseWriter(LPCTSTR pszPath, const CDatabaseLock& heldLock, CFile* pBytesRead);
    // Discards the temporary file unless Commit succeeded.
    ~CSafeDatabaseWriter();
    CSafeDatabaseWriter(const CSafeDatabaseWriter&) = delete;
    CSafeDatabaseWriter& operator=(const CSafeDatabaseWriter&) = delete;

    // The temporary file, open for reading and writing, positioned at 0. Write the
    // whole database here: header, then enciphered body. Do not close it.
    CFile& GetFile() { return m_file; }
    const CString& GetPath() const { return m_file.GetTargetPath(); }

    // Flushes the temporary file to the disk and checks that it is a database with
    // lock flag wLocked, holding exactly the entries of expected, in order,
    // under the key text strKey (the password, or kBuiltInKey when not locked),
    // with nothing missing or added. Then replaces the database with it.
    // Throws CFileException (I/O), CDatabaseVerifyException or
    // CTargetChangedException; either way the old database is unchanged and the
    // temporary file is gone.
    void Commit(const CEntryList& expected, WORD wLocked, const CString& strKey);

    // WriteDatabase, then Commit. Returns tooManyEntries or badKey, writing
    // nothing, when WriteDatabase refuses; throws as Commit does.
    DatabaseStatus Save(const CEntryList& list, WORD wLocked, const CString& strKey, CRandom& random);

    // Removes the temporary file; the database is untouched. Never throws.
    void Discard() { m_file.Discard(); }

private:
    CDatabaseLock m_lock;  // released after the temporary file is gone
    CReplaceOnSuccessFile m_file;
};

// Writes list as the database pszPath (CSafeDatabaseWriter(pszPath).Save). Returns tooManyEntries or badKey, writing nothing, when
// WriteDatabase refuses; throws CFileException or CDatabaseVerifyException when
// the save fails. The old file is replaced only when everything succeeded.
DatabaseStatus SaveDatabaseFile(LPCTSTR pszPath, const CEntryList& list, WORD wLocked, const CString& strKey,
                                CRandom& random);
DatabaseStatus SaveDatabaseFile(LPCTSTR pszPath, const CEntryList& list, WORD wLocked, const CString& strKey);
