#include "database/core/DatabaseFileImage.h"

BOOL CDatabaseFileImage::Read(LPCTSTR pszPath, UINT nShare)
{
    m_bytes.SetLength(0);
    m_identity = FileIdentity();
    CSha256 hash;
    FileStamp before;
    {
        CFile file;
        CFileException error;
        if (!file.Open(pszPath, CFile::modeRead | nShare, &error)) {
            if (GetFileStamp(pszPath).bExists) throw CFileException(error);
            return TRUE;  // nothing there
        }
        before = GetFileStamp(pszPath);
        BYTE buffer[65536];
        for (UINT n; (n = file.Read(buffer, sizeof buffer)) > 0;) {
            m_bytes.Write(buffer, n);
            hash.Update(buffer, n);
        }
    }
    if (GetFileStamp(pszPath) != before) return FALSE;
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
