// CCliContext: what a subcommand works with: its parsed command line, the
// standard streams and the terminal for passwords.
#pragma once

#include <iosfwd>

#include "cli/CommandLine.h"
#include "cli/PasswordTerminal.h"

struct CCliContext {
    CCliContext(std::istream& in, std::ostream& out, std::ostream& err, CPasswordTerminal& terminal)
        : in(in), out(out), err(err), terminal(terminal)
    {
    }

    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    CPasswordTerminal& terminal;
    CCommandLine args;
};
