// The database's password from outside the terminal, for scripts and for git,
// which runs vaultry-cli with a standard input of its own: printed by a command
// (--password-command CMD, $VAULTRY_PASSWORD_COMMAND) or kept in a file that
// only its owner can read (--password-file FILE, $VAULTRY_PASSWORD_FILE).
//
// An option on the command line beats the variables; --password-stdin does too,
// so that a script that pipes the password in is not overruled by the
// environment. The source gives only the password of the database the command
// opens (the first one it has to ask for): new passwords, entries' passwords and
// the password of a second file that does not open with the first one are asked
// for as without it.
#pragma once

#include "cli/base/CliContext.h"

enum class PasswordSourceKind { none, command, file };

struct PasswordSource {
    PasswordSourceKind kind = PasswordSourceKind::none;
    CString strValue;      // the command, or the file's path, as the command line gives it
    LPCTSTR pszName = "";  // the option or variable that named it, for messages
};

// The source the command line or the environment names. Throws CCliError
// (kExitUsage) when both a command and a file are named at the same level.
PasswordSource ChoosePasswordSource(const CCliContext& context);

// The first line of the source's output or of the file, without its CR LF or LF,
// in the encoding of the standard streams. Throws CCliError: kExitUsage when the
// command cannot run, exits with a status other than 0 or prints no password, or
// when the file is empty or others than its owner may read it; kExitIo when the
// file cannot be opened or is no regular file.
//
// The command runs through the shell (/bin/sh -c; vaultry-cli.exe: cmd.exe /c)
// with no standard input and this process's standard error. The file must belong
// to the user and, on POSIX, have no permission for group or others (mode 0600 or
// 0400); on Windows its access list may let no one read it but its owner, SYSTEM
// and the Administrators group, as for a file in the user's own profile folder.
CString ReadFromPasswordSource(const PasswordSource& source);
