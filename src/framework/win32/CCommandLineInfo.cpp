#include "framework/win32/CCommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{}

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam)
{
    CString strParam = pszParam;
    if (strParam.CompareNoCase("pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (strParam.CompareNoCase("p") == 0)
        m_nShellCommand = FilePrint;
    else if (strParam.CompareNoCase("unregister") == 0 || strParam.CompareNoCase("unregserver") == 0)
        m_nShellCommand = AppUnregister;
    else if (strParam.CompareNoCase("dde") == 0)
        m_nShellCommand = FileDDE;
    else if (strParam.CompareNoCase("embedding") == 0)
        m_bRunEmbedded = TRUE;
    else if (strParam.CompareNoCase("automation") == 0)
        m_bRunAutomated = TRUE;
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (!bLast) return;
    // A file named without a command is to be opened.
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
