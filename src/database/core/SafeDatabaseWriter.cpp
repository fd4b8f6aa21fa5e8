#include "database/core/SafeDatabaseWriter.h"

namespace {

// Bytes of one text in its archive form: the length prefix, then the text.
ULONGLONG StoredTextSize(const CString& s)
{
    ULONGLONG n = static_cast<ULONGLONG>(s.GetLength());
    return n + (n < 255 ? 1 : (n < 0xFFFE ? 3 : 7));
}

// The length of the file WriteDatabase makes for these entries.
ULONGLONG DatabaseFileSize(const CEntryList& list)
{
    ULONGLONG n = kHeaderSize + kFillerSize;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CEntry& e = list.ElementAt(i);
        n += StoredTextSize(e.m_strFor) + StoredTextSize(e.m_strUsername) + StoredTextSize(e.m_strPassword) +
             StoredTextSize(e.m_strNotes);
    }
    return n;
}

bool HoldsExactly(CFile& file, const CEntryList& expected, WORD wLocked, const CString& strKey)
{
    if (expected.GetCount() > kMaxEntries || file.GetLength() != DatabaseFileSize(expected)) return false;
    DatabaseHeader header;
    if (ReadDatabaseHeader(file, header) != DatabaseStatus::ok || header.wLocked != wLocked ||
        header.wVersion != kDatabaseVersion || header.wEntryCount != expected.GetCount())
        return false;
    CEntryList back;
    if (ReadDatabaseBody(file, header, strKey, back) != DatabaseStatus::ok) return false;
    for (int i = 0; i < expected.GetCount(); ++i)
        if (back.ElementAt(i) != expected.ElementAt(i)) return false;
    return true;
}

}  // namespace

CString CDatabaseVerifyException::GetErrorMessage() const
{
    return CString("The saved file did not read back as written; the database was left as it was: ") + m_strFileName +
           ".";
}

CSafeDatabaseWriter::CSafeDatabaseWriter(LPCTSTR pszPath)
{
    m_lock.Acquire(pszPath);
    m_file.Create(pszPath);
}

CSafeDatabaseWriter::CSafeDatabaseWriter(LPCTSTR pszPath, const CDatabaseLock& heldLock, CFile* pBytesRead)
{
    if (!heldLock.IsHeld()) throw CFileException(CFileException::lockViolation, 0, pszPath);
    m_file.Create(pszPath);
    m_file.RequireTarget(pBytesRead);
}

CSafeDatabaseWriter::~CSafeDatabaseWriter() { m_file.Discard(); }

void CSafeDatabaseWriter::Commit(const CEntryList& expected, WORD wLocked, const CString& strKey)
{
    try {
        m_file.Flush();
        if (!HoldsExactly(m_file, expected, wLocked, strKey)) throw CDatabaseVerifyException(GetPath());
    } catch (const CException&) {
        m_file.Discard();
        throw;
    }
    m_file.Commit();
}

DatabaseStatus CSafeDatabaseWriter::Save(const CEntryList& list, WORD wLocked, const CString& strKey, CRandom& random)
{
    DatabaseStatus status = WriteDatabase(m_file, list, wLocked, strKey, random);
    if (status != DatabaseStatus::ok) return status;  // the destructor removes the file
    Commit(list, wLocked, strKey);
    return DatabaseStatus::ok;
}

DatabaseStatus SaveDatabaseFile(LPCTSTR pszPath, const CEntryList& list, WORD wLocked, const CString& strKey,
                                CRandom& random)
{
    return CSafeDatabaseWriter(pszPath).Save(list, wLocked, strKey, random);
}

DatabaseStatus SaveDatabaseFile(LPCTSTR pszPath, const CEntryList& list, WORD wLocked, const CString& strKey)
{
    CRandom random;
    return SaveDatabaseFile(pszPath, list, wLocked, strKey, random);
}
