// generate [--length N] [generator options]: prints a random password or
// passphrase, and its entropy on standard error.
#include "cli/commands/Commands.h"
#include "cli/base/EntryOutput.h"
#include "cli/passwords/PasswordGenerator.h"

namespace {

void RunGenerate(CCliContext& context)
{
    const int nLength = context.args.GetNumber("--length", kDefaultGeneratedLength, 1, kMaxGeneratedLength);
    double dBits = 0;
    WriteText(context.out, context.codec.ToStream(GeneratePassword(ReadGeneratorSettings(context, nLength), dBits)));
    context.out << '\n';
    CString strNote;
    strNote.Format("Entropy: %.1f bits.", dBits);
    context.Note(strNote);
}

const CliOption kOptions[] = {{"--length", TRUE}};

}  // namespace

// clang-format off
const CliCommand kGenerateCommand = {
    "generate", "generate [--length N]", "print a random password",
    "Prints N characters (20 unless given), or with --words a passphrase, drawn\n"
    "from the system's secure random source, and its entropy in bits on standard\n"
    "error.\n",
    kOptions, 1, 0, 0, RunGenerate, TRUE,
};
// clang-format on
