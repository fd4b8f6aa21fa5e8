// The subcommands of vaultry-cli. Each lives in its own file and describes itself
// here: its name, its help and the options it accepts besides the common ones
// (RunCli's kCommonOptions: --help, --quiet, the password options, --codepage),
// which every command takes.
#pragma once

#include <vector>

#include "cli/base/CliContext.h"
#include "database/core/EntryList.h"

struct CliCommand {
    LPCTSTR pszName;
    LPCTSTR pszUsage;    // "create DB [--no-lock]"
    LPCTSTR pszSummary;  // one line for the list of commands
    LPCTSTR pszHelp;     // what --help adds below the usage line
    const CliOption* pOptions;
    int nOptions;
    int nMinOperands;
    int nMaxOperands;
    // Does the work; throws CCliError on failure.
    void (*pfnRun)(CCliContext& context);
    BOOL bGenerates = FALSE;  // takes the password generator's options too
};

extern const CliCommand kCreateCommand;
extern const CliCommand kListCommand;
extern const CliCommand kShowCommand;
extern const CliCommand kSearchCommand;
extern const CliCommand kAddCommand;
extern const CliCommand kEditCommand;
extern const CliCommand kRemoveCommand;
extern const CliCommand kExportCommand;
extern const CliCommand kImportCommand;
extern const CliCommand kPasswdCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kGenerateCommand;
extern const CliCommand kClipCommand;
extern const CliCommand kAuditCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kMergeCommand;
extern const CliCommand kTotpCommand;

// What ls prints, as text lines or (--json) a JSON array: the entries of list
// whose indexes pIndexes holds, or all of them when it is null. search prints
// its matches so too.
void WriteEntries(CCliContext& context, const CEntryList& list, const std::vector<int>* pIndexes);

// Every command, in the order vaultry-cli --help lists them.
extern const CliCommand* const kCliCommands[];
extern const int kCliCommandCount;
