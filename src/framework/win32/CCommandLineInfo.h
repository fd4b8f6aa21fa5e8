// CCommandLineInfo: the program's command line as the framework reads it: a file
// name to open, or a shell command given by a switch (/p print, /pt print to,
// /dde, /unregister). ParseCommandLine feeds it one argument at a time.
#pragma once

#include "framework/win32/CObject.h"

class CCommandLineInfo : public CObject {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };

    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // One argument: bFlag when it began with '-' or '/' (removed), bLast for the last one.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    ShellCommand m_nShellCommand;
    CString m_strFileName;     // file to open or print
    CString m_strPrinterName;  // print-to arguments
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(BOOL bLast);
};
