// Test helpers for vaultry-cli: RunCli run in-process with its streams and
// terminal captured, and the program run as a process. Folders, files and
// databases come from common/TestFiles.h.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "cli/terminal/PasswordTerminal.h"
#include "common/TestFiles.h"

// A terminal that answers with the lines it was given, and records the prompts
// and what is shown on it.
class CScriptedTerminal : public CPasswordTerminal {
public:
    TerminalRead ReadHidden(LPCTSTR pszPrompt, CString& strLine) override;
    TerminalRead ReadShown(LPCTSTR pszPrompt, CString& strLine) override { return ReadHidden(pszPrompt, strLine); }
    BOOL StandardInputIsTerminal() override { return FALSE; }
    BOOL Show(LPCTSTR pszText) override
    {
        if (bPresent) shown += pszText;
        return bPresent;
    }

    bool bPresent = true;  // false: the process has no terminal
    std::deque<std::string> answers;
    std::vector<std::string> prompts;
    std::string shown;
    std::function<void()> beforeAnswer;  // runs at each prompt, when set
};

struct CliResult {
    int nCode = -1;
    std::string out;
    std::string err;
};

// Runs RunCli("vaultry-cli", args...) with in as standard input, UTF-8 outside
// and the databases in Windows-1252; with bOutputFails standard output takes no
// bytes.
CliResult RunCliInProcess(const std::vector<std::string>& args, const std::string& in = "",
                          CPasswordTerminal* pTerminal = nullptr, bool bOutputFails = false);
// The same with the companion's clock giving the times of clock (seconds since
// 1970, UTC) instead of the system's.
CliResult RunCliAtTime(const std::function<long long()>& clock, const std::vector<std::string>& args,
                       const std::string& in = "");

// Runs the vaultry-cli program (vaultry-cli.exe under Wine in the Windows build,
// its command line in Unicode) with UTF-8 arguments and in as standard input; its
// streams go through files in folder named after strTag, so that runs can go on
// at once.
CliResult RunCliProcess(const TempFolder& folder, const std::vector<std::string>& args, const std::string& in = "",
                        const std::string& strTag = "");
