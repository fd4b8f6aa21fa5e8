// CDatabaseFileImage: a database file as one read found it. The whole file is
// read at once into memory, from a file opened only for that, together with its
// identity: its stamp and a hash of its bytes. The program keeps the identity of
// the file it last read or wrote, and compares a new image with it to tell
// whether another program has saved the file since; the bytes are what a save
// under the database's lock requires the file still to hold when it replaces it
// (CSafeDatabaseWriter). The header and the entries are read from the bytes.
#pragma once

#include "database/core/DatabaseCodec.h"
#include "database/core/Sha256.h"
#include "framework/portable/CMemFile.h"
#include "framework/portable/PlatformFile.h"

// How a file was when it was read or written here.
struct FileIdentity {
    FileStamp stamp;
    Sha256Digest hash;  // of all its bytes (zero when there was no file)
};

class CDatabaseFileImage {
public:
    // Reads the whole file at pszPath, opened with nShare (CFile::shareDenyNone to
    // let other programs save it meanwhile), and takes its identity. FALSE when
    // its stamp changed while it was read: a writer was at work, so the image is
    // not to be used; look again later. TRUE otherwise, also when nothing is
    // there (Exists() is FALSE then). Throws CFileException when something is
    // there that cannot be read.
    BOOL Read(LPCTSTR pszPath, UINT nShare);

    BOOL Exists() const { return m_identity.stamp.bExists; }
    const FileIdentity& GetIdentity() const { return m_identity; }
    // The same bytes as the file of this identity: the file is as it was then.
    BOOL Holds(const FileIdentity& identity) const
    {
        return Exists() == identity.stamp.bExists && m_identity.hash == identity.hash;
    }
    // The bytes read; a missing file has none.
    CMemFile& GetBytes() { return m_bytes; }

    // The header, checked; never throws for short or foreign bytes.
    DatabaseStatus ReadHeader(DatabaseHeader& header);
    // The entries, deciphered with the key text strKey, into list (emptied first);
    // unreadable when the header's are not exactly there under that key.
    DatabaseStatus ReadEntries(const DatabaseHeader& header, const CString& strKey, CEntryList& list);

private:
    FileIdentity m_identity;
    CMemFile m_bytes;
};
