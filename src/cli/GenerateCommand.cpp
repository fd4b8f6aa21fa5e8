// generate [--length N]: prints a random password.
#include <ostream>

#include "cli/Commands.h"
#include "cli/EntryOutput.h"
#include "cli/PasswordGenerator.h"

namespace {

void RunGenerate(CCliContext& context)
{
    int nLength = context.args.GetNumber("--length", kDefaultGeneratedLength, 1, kMaxGeneratedLength);
    WriteText(context.out, GeneratePassword(nLength));
    context.out << '\n';
}

const CliOption kOptions[] = {{"--length", TRUE}};

}  // namespace

const CliCommand kGenerateCommand = {
    "generate", "generate [--length N]", "print a random password",
    "Prints N characters (20 unless given) drawn from the system's secure random\n"
    "source: letters, digits and ! # % + - . : = ? @ _ (never a comma, which would\n"
    "split the field in an exported line).\n",
    kOptions, 1, 0, 0, RunGenerate,
};
