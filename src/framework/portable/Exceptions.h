// The exceptions that the file and archive classes throw. They are thrown by value
// and caught by reference.
#pragma once

#include "framework/portable/CString.h"

class CException {
public:
    virtual ~CException();
    // A one-line description for a message box or an error stream.
    virtual CString GetErrorMessage() const = 0;
};

class CFileException : public CException {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(Cause cause = none, LONG lOsError = 0, LPCTSTR pszFileName = nullptr);
    CString GetErrorMessage() const override;

    Cause m_cause;
    LONG m_lOsError;  // errno or GetLastError() value, 0 when not known
    CString m_strFileName;
};

class CArchiveException : public CException {
public:
    enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(Cause cause = none) : m_cause(cause) {}
    CString GetErrorMessage() const override;

    Cause m_cause;
};
