#include "database/core/DatabaseFileImage.h"

BOOL CDatabaseFileImage::Read(LPCTSTR pszPath, UINT nShare)
{
    m_bytes.SetLength(0);
    m_identity = FileIdentity();
    const FileStamp before = GetFileStamp(pszPath);
    if (!before.bExists) return TRUE;
    CFile file;
    CFileException error;
    if (!file.Open(pszPath, CFile::modeRead | nShare, &error)) {
        // Removed since the stamp was taken: a change in progress, as below.
        if (!GetFileStamp(pszPath).bExists) return FALSE;
        throw error;
    }
    CSha256 hash;
    char buffer[65536];
    for (UINT n; (n = file.Read(buffer, sizeof buffer)) > 0;) {
        m_bytes.Write(buffer, n);
        hash.Update(buffer, n);
    }
    file.Close();
    m_bytes.SeekToBegin();
    if (GetFileStamp(pszPath) != before || m_bytes.GetLength() != before.nSize) {
        m_bytes.SetLength(0);
        return FALSE;
    }
    m_identity.stamp = before;
    m_identity.hash = hash.Finish();
    return TRUE;
}

DatabaseStatus CDatabaseFileImage::ReadHeader(DatabaseHeader& header) { return ReadDatabaseHeader(m_bytes, header); }

DatabaseStatus CDatabaseFileImage::ReadEntries(const DatabaseHeader& header, const CString& strKey, CEntryList& list)
{
    list.RemoveAll();
    return ReadDatabaseBody(m_bytes, header, strKey, list);
}
