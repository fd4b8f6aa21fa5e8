#include "database/ReplaceOnSuccessFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

int CreateExclusive(const char* pszPath, const char* /*pszTarget*/)
{
    return _sopen(pszPath, _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
}

int RemoveFile(const char* pszPath) { return _unlink(pszPath); }

void SyncFolderOf(const char*) {}   // MoveFileEx is asked to write through

#else

// A file that holds passwords is readable by its owner only, unless the file it
// replaces was shared more widely on purpose.
int CreateExclusive(const char* pszPath, const char* pszTarget)
{
    int fd = ::open(pszPath, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    struct stat st;
    if (fd >= 0 && ::stat(pszTarget, &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
    return fd;
}

int RemoveFile(const char* pszPath) { return ::unlink(pszPath); }

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

#endif

}  // namespace

CReplaceOnSuccessFile::~CReplaceOnSuccessFile() { Discard(); }

CString CReplaceOnSuccessFile::TempPathFor(LPCTSTR pszTargetPath) { return CString(pszTargetPath) + ".tmp"; }

void CReplaceOnSuccessFile::Create(LPCTSTR pszTargetPath)
{
    Discard();
    m_strTargetPath = pszTargetPath;
    m_strFileName = TempPathFor(pszTargetPath);
    m_hFile = CreateExclusive(m_strFileName, m_strTargetPath);
    // Left over from a save that never finished: it is ours to replace. Removing
    // a directory or someone else's file fails, and so does the second attempt.
    if (m_hFile < 0 && errno == EEXIST && RemoveFile(m_strFileName) == 0)
        m_hFile = CreateExclusive(m_strFileName, m_strTargetPath);
    if (m_hFile < 0) ThrowOsError(errno);
    m_bPending = TRUE;
}

void CReplaceOnSuccessFile::Commit()
{
    try {
        Close();
        Replace(m_strFileName, m_strTargetPath);
    } catch (const CFileException&) {
        Discard();
        throw;
    }
    m_bPending = FALSE;
    SyncFolderOf(m_strTargetPath);
}

void CReplaceOnSuccessFile::Discard()
{
    Abort();
    if (m_bPending) RemoveFile(m_strFileName);
    m_bPending = FALSE;
}
