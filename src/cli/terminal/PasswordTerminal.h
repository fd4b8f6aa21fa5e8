// CPasswordTerminal: where vaultry-cli asks the user for a password when it is not
// given on standard input, and asks its questions (rm's "Delete ...?"). The real one is the process's terminal
// (ConsolePasswordTerminal); tests put a scripted one in its place.
#pragma once

#include "framework/portable/CString.h"

enum class TerminalRead {
    ok,
    noTerminal,  // the process has no terminal to ask on
    ended,       // the user ended the input (end of file) without a line
};

class CPasswordTerminal {
public:
    virtual ~CPasswordTerminal() = default;
    // Shows pszPrompt and reads one line without showing what is typed; the line
    // end is not part of strLine. Its bytes are in the command line's encoding.
    virtual TerminalRead ReadHidden(LPCTSTR pszPrompt, CString& strLine) = 0;
    // The same with what is typed shown, for an answer to a question.
    virtual TerminalRead ReadShown(LPCTSTR pszPrompt, CString& strLine) = 0;
    // Whether standard input is this terminal: lines read from it would be echoed.
    virtual BOOL StandardInputIsTerminal() = 0;
    // Whether standard error is a terminal, for progress shown in place.
    virtual BOOL StandardErrorIsTerminal() { return FALSE; }
    // Writes text on the terminal itself, not on a standard stream, for what only
    // the user at it is to see (a new passphrase); FALSE when there is none.
    virtual BOOL Show(LPCTSTR pszText)
    {
        (void)pszText;
        return FALSE;
    }
};
