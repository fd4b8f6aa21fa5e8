#include "textio/core/TextExport.h"

#include "framework/portable/PlatformFile.h"
#include "textio/core/EntryLineWriter.h"

namespace {

const UINT kTextBuffer = 1024;

}  // namespace

CTextExport::~CTextExport() { Discard(); }

BOOL CTextExport::Open(LPCTSTR pszPath)
{
    Discard();
    const BOOL bExisted = PlatformFile::Exists(pszPath);
    if (!m_file.Open(pszPath, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    m_strPath = pszPath;
    m_bCreated = !bExisted;
    return TRUE;
}

BOOL CTextExport::Write(const CEntryList& list, CString& strError)
{
    try {
        CArchive ar(&FileToWrite(m_file), CArchive::store, kTextBuffer);
        WriteEntryLines(ar, list);
        ar.Close();
        m_file.Close();
    } catch (const CException& e) {
        strError = e.GetErrorMessage();
        if (!Discard()) strError += "\nThe incomplete file could not be removed: " + m_strPath;
        return FALSE;
    }
    m_strPath.Empty();  // complete: it stays
    return TRUE;
}

BOOL CTextExport::Discard()
{
    if (m_strPath.IsEmpty()) return TRUE;
    m_file.Abort();
    BOOL bDone;
    if (m_bCreated) {
        bDone = PlatformFile::Remove(m_strPath) == 0;
    } else {
        CFile emptied;
        bDone = emptied.Open(m_strPath, CFile::modeCreate | CFile::modeWrite);
    }
    if (bDone) m_strPath.Empty();
    return bDone;
}
