#include "framework/portable/Exceptions.h"

CException::~CException() = default;

CFileException::CFileException(Cause cause, LONG lOsError, LPCTSTR pszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName)
{}

CString CFileException::GetErrorMessage() const
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unspecified error occurred",
        "The file could not be found",
        "The path is invalid",
        "Too many files are open",
        "Access to the file was denied",
        "The file is not valid",
        "The current directory cannot be removed",
        "The directory is full",
        "The file position could not be set",
        "A hardware input/output error occurred",
        "The file is in use by another program",
        "The file is locked",
        "The disk is full",
        "The end of the file was reached unexpectedly",
    };
    CString text = texts[m_cause];
    if (!m_strFileName.IsEmpty()) text += CString(": ") + m_strFileName;
    return text + ".";
}

CString CArchiveException::GetErrorMessage() const
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unspecified error occurred while reading or writing an archive.",
        "An attempt was made to write to an archive opened for loading.",
        "The end of the data was reached unexpectedly.",
        "An attempt was made to read from an archive opened for storing.",
        "The archive holds an invalid value.",
        "The archive holds an unexpected object.",
        "The archive holds data of an unsupported format.",
    };
    return texts[m_cause];
}
