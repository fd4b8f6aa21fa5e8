// CConsolePasswordTerminal: asks for a password on the process's terminal with
// echo turned off: /dev/tty through termios on POSIX, the console (CONIN$) on
// Windows (echo stays on for the answer to a question). It does not need standard input or output, so it works while they are
// redirected. Echo is turned back on also when the user interrupts (Ctrl+C).
// The Windows console is read in Unicode; the line comes back as UTF-8.
#pragma once

#include "cli/terminal/PasswordTerminal.h"

class CConsolePasswordTerminal : public CPasswordTerminal {
public:
    TerminalRead ReadHidden(LPCTSTR pszPrompt, CString& strLine) override { return Read(pszPrompt, strLine, FALSE); }
    TerminalRead ReadShown(LPCTSTR pszPrompt, CString& strLine) override { return Read(pszPrompt, strLine, TRUE); }
    BOOL StandardInputIsTerminal() override;
    BOOL StandardErrorIsTerminal() override;
    BOOL Show(LPCTSTR pszText) override;

private:
    TerminalRead Read(LPCTSTR pszPrompt, CString& strLine, BOOL bEcho);
};
