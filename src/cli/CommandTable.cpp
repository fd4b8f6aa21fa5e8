#include "cli/Commands.h"

const CliCommand* const kCliCommands[] = {
    &kCreateCommand, &kListCommand,   &kShowCommand,   &kSearchCommand, &kAddCommand,   &kEditCommand,
    &kRemoveCommand, &kExportCommand, &kImportCommand, &kPasswdCommand, &kCheckCommand, &kGenerateCommand,
};
const int kCliCommandCount = sizeof kCliCommands / sizeof kCliCommands[0];
