#include "CliProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "common/TestFiles.h"

int RunCli(const std::string& command, const std::string& path, const std::string& arguments, const std::string& input)
{
    // The build tree's path is a Unix path; Wine shows the root as drive Z:.
    std::string exe = std::string("Z:") + VAULTRY_CLI_PATH;
    std::replace(exe.begin(), exe.end(), '/', '\\');
    std::string line = "\"" + exe + "\" " + command + " \"" + path + "\" " + arguments;
    TempFolder folder;
    WriteBytes(folder.Path("in"), input);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput =
        CreateFileA(folder.Path("in").c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr);
    startup.hStdOutput = startup.hStdError =
        CreateFileA(folder.Path("err").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
    PROCESS_INFORMATION process = {};
    DWORD dwCode = ~0u;
    if (CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &dwCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    if (dwCode != 0) ADD_FAILURE() << line << " ended with " << dwCode << ":\n" << ReadBytes(folder.Path("err"));
    return static_cast<int>(dwCode);
}
