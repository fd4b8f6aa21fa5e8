// CFile: a file on disk, opened by name, read and written unbuffered. Failures
// throw CFileException, except Open (which reports through its result) and Abort.
#pragma once

#include "framework/portable/CString.h"
#include "framework/portable/Exceptions.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,  // no share flag: exclusive use, like shareExclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    CFile(LPCTSTR pszFileName, UINT nOpenFlags);  // throws CFileException
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens the file; on failure fills *pError (when given) and returns FALSE.
    virtual BOOL Open(LPCTSTR pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Reads up to nCount bytes; returns how many were read (0 at the end).
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes or throws.
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG nNewLen);
    // Forces written data to the disk.
    virtual void Flush();
    // Closes the file; throws if the system reports a failure.
    virtual void Close();
    // Closes the file, ignoring any failure.
    virtual void Abort();

    BOOL IsOpen() const { return m_hFile >= 0; }
    const CString& GetFilePath() const { return m_strFileName; }

    static void Remove(LPCTSTR pszFileName);
    static void Rename(LPCTSTR pszOldName, LPCTSTR pszNewName);
    // Moves pszFrom over pszTo, replacing it in one step where the system allows.
    static void Replace(LPCTSTR pszFrom, LPCTSTR pszTo);

protected:
    [[noreturn]] void ThrowOsError(int err) const;

    int m_hFile;  // the C runtime's file descriptor, -1 when closed
    CString m_strFileName;
};

// The exception cause that best describes an errno value.
CFileException::Cause FileCauseFromErrno(int err);
