#include "cli/RunCli.h"

#include <new>
#include <ostream>

#include "cli/commands/Commands.h"
#include "cli/passwords/PasswordGenerator.h"
#include "framework/portable/Exceptions.h"

#ifndef VAULTRY_VERSION
#define VAULTRY_VERSION "unknown"
#endif

namespace {

const char kProgram[] = "vaultry-cli";

const CliOption kCommonOptions[] = {{"--help", FALSE, "-h"}, {"--quiet", FALSE, "-q"},     {"--password-stdin", FALSE},
                                    {"--codepage", TRUE},    {"--password-command", TRUE}, {"--password-file", TRUE}};

BOOL IsHelp(const CString& strArg) { return strArg == "--help" || strArg == "-h"; }

void WriteOverview(std::ostream& out)
{
    out << "Usage: vaultry-cli COMMAND [ARGUMENTS] [-q | --quiet] [--password-stdin] [--codepage CP]\n"
           "         [--password-command CMD | --password-file FILE]\n"
           "       vaultry-cli -h | --help | help [COMMAND]\n"
           "       vaultry-cli -V | --version\n"
           "\n"
           "Reads and changes Vaultry databases (.vty files) without the program.\n"
           "\n"
           "Commands:\n";
    for (int i = 0; i < kCliCommandCount; ++i) {
        CString strLine;
        strLine.Format("  %-26s %s\n", kCliCommands[i]->pszUsage, kCliCommands[i]->pszSummary);
        if (static_cast<int>(std::char_traits<char>::length(kCliCommands[i]->pszUsage)) > 26)
            strLine.Format("  %s\n  %-26s %s\n", kCliCommands[i]->pszUsage, "", kCliCommands[i]->pszSummary);
        out << strLine.GetString();
    }
    out << "\n"
           "Passwords are read from the terminal without echo. With --password-stdin each\n"
           "is read as one line of standard input instead: the database's password first\n"
           "(when it is locked), then any new one. Never put a password on the command line.\n"
           "\n"
           "--password-command CMD runs CMD through the shell (vaultry-cli.exe: cmd.exe /c)\n"
           "and takes the first line it prints as the database's password; a command that\n"
           "fails or prints nothing is an error. --password-file FILE takes the first line\n"
           "of FILE, which must be the user's and readable by no one else (POSIX: mode\n"
           "0600 or 0400; Windows: its access list lets no one but its owner, SYSTEM and\n"
           "the Administrators read it, as in the user's own profile folder). Either gives\n"
           "the password of the database the command opens (merge, diff: the first file\n"
           "that needs one); a new password (create, passwd), an entry's, and that of a\n"
           "second file that the first one's does not open are read as above. When none\n"
           "of the three password options is given, VAULTRY_PASSWORD_COMMAND or\n"
           "VAULTRY_PASSWORD_FILE serves as the option.\n"
           "\n"
           "Texts are stored in the database's code page, as the program stores them:\n"
           "Windows-1252 unless --codepage or VAULTRY_CODEPAGE names another single-byte\n"
           "one (vaultry-cli.exe: the system's ANSI code page). They are converted from and\n"
           "to the terminal's encoding; a stored byte the code page leaves undefined shows\n"
           "as \\xNN. Exported and imported text files are the code page's bytes.\n"
           "\n"
           "A change waits for another one to the same database to end; the file is\n"
           "replaced only while it holds what was read. Passwords and questions are\n"
           "asked before the database is locked. Each change says what it changed on\n"
           "standard error (--quiet: errors only); data goes to standard output.\n"
           "\"--\" ends the options.\n"
           "\n"
           "Exit status: 0 success (also for a change that was saved when standard output\n"
           "failed), 1 usage error or bad input text, 2 not a database, wrong password or\n"
           "damaged file, 3 the file system refused (a file missing, denied, full, locked\n"
           "or changed meanwhile; an output that failed).\n"
           "Run \"vaultry-cli help COMMAND\" for the options of one command.\n";
}

void WriteCommandHelp(std::ostream& out, const CliCommand& command)
{
    out << "Usage: vaultry-cli " << command.pszUsage << " [-q | --quiet] [--password-stdin] [--codepage CP]\n";
    out << "Password options: [--password-command CMD | --password-file FILE] (see \"vaultry-cli help\")\n";
    if (command.bGenerates) {
        out << "Generator options: [--lower] [--upper] [--digits] [--symbols] [--exclude-similar]\n"
               "  [--exclude CHARS] [--words N] [--separator S]\n";
    }
    out << "\n" << command.pszSummary << ".\n" << command.pszHelp;
    if (command.bGenerates) out << kGeneratorHelp;
}

const CliCommand* FindCommand(const CString& strName)
{
    for (int i = 0; i < kCliCommandCount; ++i)
        if (strName == kCliCommands[i]->pszName) return kCliCommands[i];
    return nullptr;
}

int RunCommand(const CliCommand& command, int argc, const char* const argv[], CCliContext& context)
{
    CArray<CliOption> options;
    for (const CliOption& option : kCommonOptions) options.Add(option);
    for (int i = 0; i < command.nOptions; ++i) options.Add(command.pOptions[i]);
    for (int i = 0; command.bGenerates && i < kGeneratorOptionCount; ++i) options.Add(kGeneratorOptions[i]);
    // --help wins over everything else on the line, even over mistakes in it.
    for (int i = 0; i < argc; ++i) {
        if (CString(argv[i]) == "--") break;
        if (IsHelp(argv[i])) {
            WriteCommandHelp(context.out, command);
            return kExitOk;
        }
    }
    try {
        context.args.Parse(argc, argv, options.GetData(), options.GetCount(), command.nMinOperands,
                           command.nMaxOperands);
    } catch (const CCliError& e) {
        throw CCliError(e.m_nExitCode, e.m_strMessage + " (usage: vaultry-cli " + command.pszUsage + ")");
    }
    CString strCodePage = context.environment.strCodePage;
    context.args.GetValue("--codepage", strCodePage);
    context.codec.Open(strCodePage, context.environment.strArguments, context.environment.strStreams,
                       context.environment.strPaths);
    command.pfnRun(context);
    return context.nAnswer;
}

int Dispatch(int argc, const char* const argv[], CCliContext& context)
{
    if (argc < 2) throw CCliError(kExitUsage, "no command given; \"vaultry-cli --help\" lists them");
    CString strName = argv[1];
    if (strName == "help" && argc > 2) strName = argv[2];
    if (IsHelp(strName) || strName == "help") {
        WriteOverview(context.out);
        return kExitOk;
    }
    if (strName == "--version" || strName == "-V") {
        context.out << kProgram << ' ' << VAULTRY_VERSION << '\n';
        return kExitOk;
    }
    const CliCommand* pCommand = FindCommand(strName);
    if (!pCommand)
        throw CCliError(kExitUsage, "unknown command \"" + strName + "\"; \"vaultry-cli --help\" lists them");
    if (CString(argv[1]) == "help") {
        WriteCommandHelp(context.out, *pCommand);
        return kExitOk;
    }
    return RunCommand(*pCommand, argc - 2, argv + 2, context);
}

}  // namespace

int RunCli(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
           CPasswordTerminal& terminal, const CliEnvironment& environment)
{
    CCliContext context(in, out, err, terminal, environment);
    int nExitCode;
    try {
        nExitCode = Dispatch(argc, argv, context);
        out.flush();
        // A change that was saved is not to be made again: no failure status then.
        if (!out && !context.strSaved.IsEmpty())
            err << kProgram << ": " << context.strSaved.GetString()
                << " was changed and saved, but standard output could not be written\n";
        else if (!out)
            throw CCliError(kExitIo, "cannot write to standard output");
    } catch (const CCliError& e) {
        err << kProgram << ": " << e.m_strMessage.GetString() << '\n';
        nExitCode = e.m_nExitCode;
    } catch (const CException& e) {
        // A file that failed after it was opened (a read error half way).
        err << kProgram << ": " << e.GetErrorMessage().GetString() << '\n';
        nExitCode = kExitIo;
    } catch (const std::bad_alloc&) {
        err << kProgram << ": out of memory\n";
        nExitCode = kExitIo;
    }
    err.flush();
    return nExitCode;
}
