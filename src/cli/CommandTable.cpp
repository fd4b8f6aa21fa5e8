#include "cli/commands/Commands.h"

const CliCommand* const kCliCommands[] = {
    &kCreateCommand,   &kListCommand,   &kShowCommand,   &kSearchCommand, &kClipCommand,   &kAddCommand,
    &kEditCommand,     &kRemoveCommand, &kExportCommand, &kImportCommand, &kPasswdCommand, &kCheckCommand,
    &kGenerateCommand, &kAuditCommand,  &kTotpCommand,   &kDiffCommand,   &kMergeCommand,
};
const int kCliCommandCount = sizeof kCliCommands / sizeof kCliCommands[0];
