// vaultry-cli: the command-line companion of Vaultry. All the work is in RunCli.
#include <iostream>
#include <string>
#include <vector>

#include "cli/terminal/ConsolePasswordTerminal.h"
#include "cli/RunCli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include "cli/terminal/ConsoleStream.h"

// The command line as Unicode, handed on as UTF-8: the ANSI arguments would have
// turned every character outside the code page into a question mark unseen.
std::vector<std::string> Utf8Arguments()
{
    std::vector<std::string> args;
    int argc = 0;
    LPWSTR* argvW = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 0; argvW && i < argc; ++i) {
        int n = WideCharToMultiByte(CP_UTF8, 0, argvW[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(n > 0 ? static_cast<std::size_t>(n) : 1u, '\0');
        WideCharToMultiByte(CP_UTF8, 0, argvW[i], -1, &arg[0], n, nullptr, nullptr);
        arg.resize(arg.size() - 1);
        args.push_back(arg);
    }
    LocalFree(argvW);
    return args;
}
#endif

int main(int argc, char* argv[])
{
    CliEnvironment environment = CliEnvironment::ForThisProcess();
    std::vector<std::string> args(argv, argv + argc);
#ifdef _WIN32
    args = Utf8Arguments();
    // Texts go out as the bytes the database holds: no LF to CR LF translation.
    // A console shows them in Unicode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    CConsoleStreamBuf::UseForConsole(std::cout, STD_OUTPUT_HANDLE, GetACP());
    CConsoleStreamBuf::UseForConsole(std::cerr, STD_ERROR_HANDLE, GetACP());
#endif
    std::vector<const char*> argvBytes;
    for (const std::string& arg : args) argvBytes.push_back(arg.c_str());
    CConsolePasswordTerminal terminal;
    int nExitCode = RunCli(static_cast<int>(argvBytes.size()), argvBytes.data(), std::cin, std::cout, std::cerr,
                           terminal, environment);
    std::cout.flush();
    std::cerr.flush();
    return nExitCode;
}
