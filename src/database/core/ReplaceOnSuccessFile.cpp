#include "database/core/ReplaceOnSuccessFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#include "framework/portable/PathKind.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const int kTempNameTries = 100;

CString TempName(const CString& strTarget, int nTry)
{
    if (nTry == 0) return strTarget + ".tmp";
    CString strName;
    strName.Format("%s.%d.tmp", strTarget.GetString(), nTry);
    return strName;
}

#ifdef _WIN32

int CreateExclusive(const char* pszPath)
{
    return _sopen(pszPath, _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
}

int RemoveFile(const char* pszPath) { return _unlink(pszPath); }

void TakeOverAccess(int, const char*, NewFileAccess) {}   // the folder's permissions apply

void SyncFolderOf(const char*) {}   // MoveFileEx is asked to write through

// Moves the file to a name nothing has; FALSE when something has it.
BOOL MoveToFreeName(const char* pszFrom, const char* pszTo)
{
    if (MoveFileExA(pszFrom, pszTo, MOVEFILE_WRITE_THROUGH)) return TRUE;
    DWORD err = GetLastError();
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS) return FALSE;
    throw CFileException(CFileException::genericException, static_cast<LONG>(err), pszTo);
}

// Windows does not replace a file that another process has open, even to read
// it for a moment: try again for two seconds before giving up.
void ReplaceWhenFree(const char* pszFrom, const char* pszTo)
{
    for (int nTry = 0;; ++nTry) {
        try {
            CFile::Replace(pszFrom, pszTo);
            return;
        } catch (const CFileException& e) {
            if (nTry == 100 ||
                (e.m_cause != CFileException::sharingViolation && e.m_cause != CFileException::accessDenied))
                throw;
        }
        Sleep(20);
    }
}

#else

// Never through an existing file or link.
int CreateExclusive(const char* pszPath)
{
    return ::open(pszPath, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int RemoveFile(const char* pszPath) { return ::unlink(pszPath); }

// A database shared with a group, or saved by an administrator for its owner,
// stays so. Where the group cannot be kept, the new file's group gets no access.
void TakeOverAccess(int fd, const char* pszTarget, NewFileAccess access)
{
    struct stat st;
    if (access != NewFileAccess::likeReplaced || ::stat(pszTarget, &st) != 0) return;
    mode_t mode = st.st_mode & 0777;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
        mode &= ~static_cast<mode_t>(0070);
    ::fchmod(fd, mode);
}

// Makes the rename itself durable. The file has already been replaced when this
// runs, so a failure here is not reported.
void SyncFolderOf(const char* pszPath)
{
    CString strFolder = pszPath;
    int nSlash = -1;
    for (int i = 0; i < strFolder.GetLength(); ++i)
        if (strFolder[i] == '/') nSlash = i;
    strFolder = nSlash < 0 ? CString(".") : (nSlash == 0 ? CString("/") : strFolder.Left(nSlash));
    int fd = ::open(strFolder, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A second name for the file, which link() never gives over an existing one.
BOOL MoveToFreeName(const char* pszFrom, const char* pszTo)
{
    if (::link(pszFrom, pszTo) == 0) {
        ::unlink(pszFrom);
        return TRUE;
    }
    if (errno == EEXIST) return FALSE;
    // A file system without hard links: the look just before has to do.
    if (GetPathKind(pszTo) != PathKind::missing) return FALSE;
    CFile::Replace(pszFrom, pszTo);
    return TRUE;
}

void ReplaceWhenFree(const char* pszFrom, const char* pszTo) { CFile::Replace(pszFrom, pszTo); }

#endif

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
        m_hFile = CreateExclusive(m_strTempPath);
        const int err = errno;
        // Another file has the name (maybe another save's): leave it, take the next.
        if (m_hFile < 0 && (nTry + 1 == kTempNameTries || GetPathKind(m_strTempPath) == PathKind::missing))
            ThrowOsError(err);
    }
    m_bPending = TRUE;
    TakeOverAccess(m_hFile, m_strTarget, access);
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
            ReplaceWhenFree(m_strTempPath, m_strTarget);
        } else if (!MoveToFreeName(m_strTempPath, m_strTarget)) {
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
    SyncFolderOf(m_strTarget);
}

void CReplaceOnSuccessFile::Discard()
{
    Abort();
    if (m_bPending) RemoveFile(m_strTempPath);
    m_bPending = FALSE;
}
