// Test helpers for vaultry-cli and the replace-on-success writer: a private
// temporary folder, files as bytes, databases written and read by the core, and
// RunCli run in-process with its streams and terminal captured.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/PasswordTerminal.h"
#include "database/core/DatabaseCodec.h"

// A folder of its own for each test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a file in the folder.
    std::string Path(const std::string& strName) const { return (m_path / strName).string(); }
    // The names of the files in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::string& bytes);

CEntryList MakeList(std::initializer_list<CEntry> entries);

// Writes a database with the core's writer, straight into the file.
void WriteDatabaseFile(const std::string& strPath, const CEntryList& list, const char* pszPassword);
// Reads a database with the core's reader; pszPassword is used when it is locked.
struct ReadBack {
    DatabaseStatus status = DatabaseStatus::ok;
    WORD wLocked = 0;
    CEntryList list;
};
ReadBack ReadDatabaseFile(const std::string& strPath, const char* pszPassword);
// Checks that two lists hold the same entries in the same order.
::testing::AssertionResult SameEntries(const CEntryList& actual, const CEntryList& expected);

// A terminal that answers with the lines it was given, and records the prompts.
class CScriptedTerminal : public CPasswordTerminal {
public:
    TerminalRead ReadHidden(LPCTSTR pszPrompt, CString& strLine) override;
    TerminalRead ReadShown(LPCTSTR pszPrompt, CString& strLine) override { return ReadHidden(pszPrompt, strLine); }
    BOOL StandardInputIsTerminal() override;

    bool bPresent = true;   // false: the process has no terminal
    std::deque<std::string> answers;
    std::vector<std::string> prompts;
    std::function<void()> beforeAnswer;   // runs at each prompt, when set
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

// Runs the vaultry-cli program (vaultry-cli.exe under Wine in the Windows build,
// its command line in Unicode) with UTF-8 arguments and in as standard input; its
// streams go through files in folder named after strTag, so that runs can go on
// at once.
CliResult RunCliProcess(const TempFolder& folder, const std::vector<std::string>& args, const std::string& in = "",
                        const std::string& strTag = "");
