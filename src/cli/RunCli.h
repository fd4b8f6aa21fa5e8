// vaultry-cli as a function: main() hands it the process's arguments, streams and
// terminal; tests hand it their own and look at what it wrote.
#pragma once

#include <iosfwd>

#include "cli/base/CliEnvironment.h"
#include "cli/terminal/PasswordTerminal.h"

// argv[0] is the program's name, argv[1] the subcommand. Returns the exit code:
// 0 success, 1 usage or bad input text, 2 not a database / wrong password /
// damaged, 3 the file system refused. Errors are written to err as one line each.
int RunCli(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
           CPasswordTerminal& terminal, const CliEnvironment& environment);
