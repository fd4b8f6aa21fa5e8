#include "database/core/ReplaceOnSuccessFile.h"

#include <cerrno>
#include <cstring>

#include "framework/portable/PlatformFile.h"

namespace {

const int kTempNameTries = 100;

CString TempName(const CString& strTarget, int nTry)
{
    if (nTry == 0) return strTarget + ".tmp";
    CString strName;
    strName.Format("%s.%d.tmp", strTarget.GetString(), nTry);
    return strName;
}

}  // namespace

CString CTargetChangedException::GetErrorMessage() const
{
    return m_strFileName + (m_bExists ? " was changed by another program after it was read; nothing was written."
                                      : " was removed by another program after it was read; nothing was written.");
}

CReplaceOnSuccessFile::~CReplaceOnSuccessFile() { Discard(); }

void CReplaceOnSuccessFile::Create(LPCTSTR pszTargetPath, NewFileAccess access)
{
    Discard();
    m_strFileName = pszTargetPath;
    m_strTarget = ResolveLinks(pszTargetPath);
    m_bCheckTarget = FALSE;
    PathKind kind = GetPathKind(m_strTarget);
    if ((kind != PathKind::missing && kind != PathKind::regular) || IsReadOnlyFile(m_strTarget))
        throw CFileException(CFileException::accessDenied, 0, pszTargetPath);
    for (int nTry = 0; m_hFile < 0; ++nTry) {
        m_strTempPath = TempName(m_strTarget, nTry);
        m_hFile = PlatformFile::CreateNew(m_strTempPath);
        const int err = errno;
        // Another file has the name (maybe another save's): leave it, take the next.
        if (m_hFile < 0 && (nTry + 1 == kTempNameTries || GetPathKind(m_strTempPath) == PathKind::missing))
            ThrowOsError(err);
    }
    m_bPending = TRUE;
    if (access == NewFileAccess::likeReplaced) PlatformFile::TakeOverAccess(m_hFile, m_strTarget);
}

void CReplaceOnSuccessFile::RequireTarget(CFile* pExpected)
{
    m_bCheckTarget = TRUE;
    m_pExpected = pExpected;
}

void CReplaceOnSuccessFile::CheckTarget() const
{
    if (!m_bCheckTarget || !m_pExpected) return;
    PathKind kind = GetPathKind(m_strTarget);
    CFile current;
    BOOL bSame = kind == PathKind::regular && current.Open(m_strTarget, CFile::modeRead | CFile::shareDenyWrite) &&
                 current.GetLength() == m_pExpected->GetLength();
    m_pExpected->SeekToBegin();
    char expected[16384], found[sizeof expected];
    for (UINT n = 1; bSame && n > 0;) {
        n = m_pExpected->Read(expected, sizeof expected);
        bSame = current.Read(found, n) == n && std::memcmp(expected, found, n) == 0;
    }
    if (!bSame) throw CTargetChangedException(m_strFileName, kind != PathKind::missing);
}

void CReplaceOnSuccessFile::MoveIntoPlace()
{
    try {
        if (!m_bCheckTarget || m_pExpected) {
            PlatformFile::ReplaceWhenFree(m_strTempPath, m_strTarget);
        } else if (!PlatformFile::MoveToFreeName(m_strTempPath, m_strTarget)) {
            throw CTargetChangedException(m_strFileName, TRUE);
        }
    } catch (CFileException& e) {
        e.m_strFileName = m_strFileName;
        throw;
    }
}

void CReplaceOnSuccessFile::Commit()
{
    try {
        Close();
        CheckTarget();
        MoveIntoPlace();
    } catch (const CException&) {
        Discard();
        throw;
    }
    m_bPending = FALSE;
    PlatformFile::SyncFolderOf(m_strTarget);
}

void CReplaceOnSuccessFile::Discard()
{
    Abort();
    if (m_bPending) PlatformFile::Remove(m_strTempPath);
    m_bPending = FALSE;
}
