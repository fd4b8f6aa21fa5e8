// CliEnvironment: what vaultry-cli takes from its process besides the command
// line: the character encodings outside, the code page variable and the clock.
// main() asks the system (ForThisProcess); tests set them.
#pragma once

#include <functional>

#include "framework/portable/CString.h"

struct CliEnvironment {
    CString strArguments;  // the command line's and the terminal's encoding
    CString strStreams;    // standard input's, output's and error's
    CString strCodePage;   // the databases' code page unless --codepage names one
    CString strPaths;      // the encoding the system's file functions take names
                           // in; empty: the command line's bytes as they are
    // $VAULTRY_PASSWORD_COMMAND and $VAULTRY_PASSWORD_FILE, in the command line's
    // encoding (see PasswordSource.h)
    CString strPasswordCommand;
    CString strPasswordFile;

    // The time in seconds since 1970-01-01 00:00 UTC; when not set, the system's.
    std::function<long long()> clock;

    long long UnixTime() const;

    // POSIX: the locale's encoding for both (UTF-8 when it is the C locale's
    // ASCII), Windows-1252 or $VAULTRY_CODEPAGE, file names as given. Windows:
    // UTF-8 arguments (main converts them from Unicode), the ANSI code page on the
    // streams, for file names and for the databases, or $VAULTRY_CODEPAGE.
    static CliEnvironment ForThisProcess();
};
