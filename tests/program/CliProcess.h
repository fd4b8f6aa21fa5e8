// vaultry-cli.exe (VAULTRY_CLI_PATH) run as another process, changing a database
// that the program has open.
#pragma once

#include <string>

// Runs `vaultry-cli command "path" arguments` with input as its standard input and
// waits for it to end. Its exit code; on failure the test fails with its command
// line and standard error.
int RunCli(const std::string& command, const std::string& path, const std::string& arguments,
           const std::string& input = "");
