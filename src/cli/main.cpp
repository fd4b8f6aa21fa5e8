// vaultry-cli: the command-line companion of Vaultry. All the work is in RunCli.
#include <iostream>

#include "cli/ConsolePasswordTerminal.h"
#include "cli/RunCli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // Texts go out as the bytes the database holds: no LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    CConsolePasswordTerminal terminal;
    return RunCli(argc, argv, std::cin, std::cout, std::cerr, terminal);
}
