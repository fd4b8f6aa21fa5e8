// CCliContext: what a subcommand works with: its parsed command line, the
// standard streams, the terminal for passwords and the conversion of its texts.
#pragma once

#include <ostream>

#include "cli/base/CliEnvironment.h"
#include "cli/base/CommandLine.h"
#include "cli/terminal/PasswordTerminal.h"
#include "cli/base/TextCodec.h"

struct CCliContext {
    CCliContext(std::istream& input, std::ostream& output, std::ostream& errors, CPasswordTerminal& passwords,
                const CliEnvironment& env)
        : in(input), out(output), err(errors), terminal(passwords), environment(env)
    {}

    // An operand that names a file, as the system's file functions take it.
    CString PathOperand(int nIndex) const { return codec.ToPath(args.GetOperand(nIndex)); }

    // A line for the user on standard error (what was changed, counts, notes,
    // warnings), unless --quiet. Data goes to standard output only.
    void Note(const CString& strLine) const
    {
        if (!args.Has("--quiet")) err << strLine.GetString() << '\n';
    }

    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    CPasswordTerminal& terminal;
    const CliEnvironment& environment;
    CCommandLine args;
    CTextCodec codec;
    CString strSaved;  // the database this command has changed, once it is saved
    // The exit code of a command that worked and answers "no" (search found
    // nothing, audit flagged something).
    CliExitCode nAnswer = kExitOk;
};
