// The exit codes of vaultry-cli and the error that carries one out of a command.
#pragma once

#include "framework/portable/CString.h"

enum CliExitCode {
    kExitOk = 0,
    kExitUsage = 1,     // a wrong command line, or input the user has to correct
    kExitDatabase = 2,  // not a database, wrong password, unreadable
    kExitIo = 3,        // a file or stream that cannot be read or written
};

// Thrown by value by the commands; RunCli prints the message as one line on
// standard error and returns the code.
class CCliError {
public:
    CCliError(CliExitCode nExitCode, const CString& strMessage) : m_nExitCode(nExitCode), m_strMessage(strMessage) {}

    CliExitCode m_nExitCode;
    CString m_strMessage;
};
