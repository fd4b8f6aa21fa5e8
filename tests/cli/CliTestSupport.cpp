#include <gtest/gtest.h>

#include "CliTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <sstream>

#include "cli/RunCli.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

TerminalRead CScriptedTerminal::ReadHidden(LPCTSTR pszPrompt, CString& strLine)
{
    if (!bPresent) return TerminalRead::noTerminal;
    prompts.push_back(pszPrompt);
    if (beforeAnswer) beforeAnswer();
    if (answers.empty()) return TerminalRead::ended;
    strLine = answers.front().c_str();
    answers.pop_front();
    return TerminalRead::ok;
}

namespace {

CliResult RunCliWith(const std::vector<std::string>& args, const std::string& in, CPasswordTerminal* pTerminal,
                     bool bOutputFails, const std::function<long long()>& clock)
{
    std::vector<const char*> argv{"vaultry-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream input(in);
    std::ostringstream out, err;
    if (bOutputFails) out.setstate(std::ios::badbit);
    CScriptedTerminal noTerminal;
    noTerminal.bPresent = false;
    CliEnvironment environment;
    environment.strArguments = environment.strStreams = "UTF-8";
    environment.strCodePage = "1252";
    environment.clock = clock;
    const int nCode = RunCli(static_cast<int>(argv.size()), argv.data(), input, out, err,
                             pTerminal ? *pTerminal : noTerminal, environment);
    return {nCode, out.str(), err.str()};
}

}  // namespace

CliResult RunCliInProcess(const std::vector<std::string>& args, const std::string& in, CPasswordTerminal* pTerminal,
                          bool bOutputFails)
{
    return RunCliWith(args, in, pTerminal, bOutputFails, nullptr);
}

CliResult RunCliAtTime(const std::function<long long()>& clock, const std::vector<std::string>& args,
                       const std::string& in)
{
    return RunCliWith(args, in, nullptr, false, clock);
}

namespace {

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

#ifdef _WIN32

std::wstring Wide(const std::string& strUtf8)
{
    std::wstring wide(strUtf8.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, strUtf8.c_str(), -1, &wide[0], static_cast<int>(wide.size())) - 1));
    return wide;
}

// Starts the program itself (cmd.exe under Wine loses some of many children
// started at once) with its streams on the files, and waits for its exit code.
// Handles are inherited, so one child is made at a time, with only its own.
int RunWithStreams(const std::string& strCommandLine, const std::string& strIn, const std::string& strOut,
                   const std::string& strErr)
{
    static std::mutex s_creating;
    PROCESS_INFORMATION process = {};
    {
        std::lock_guard<std::mutex> lock(s_creating);
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        const DWORD dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput =
            CreateFileW(Wide(strIn).c_str(), GENERIC_READ, dwShare, &inherit, OPEN_EXISTING, 0, nullptr);
        startup.hStdOutput =
            CreateFileW(Wide(strOut).c_str(), GENERIC_WRITE, dwShare, &inherit, CREATE_ALWAYS, 0, nullptr);
        startup.hStdError =
            CreateFileW(Wide(strErr).c_str(), GENERIC_WRITE, dwShare, &inherit, CREATE_ALWAYS, 0, nullptr);
        std::wstring line = Wide(strCommandLine);
        BOOL bStarted =
            CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
        for (HANDLE hStream : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(hStream);
        if (!bStarted) return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwExitCode = 0;
    GetExitCodeProcess(process.hProcess, &dwExitCode);
    for (HANDLE hHandle : {process.hProcess, process.hThread}) CloseHandle(hHandle);
    return static_cast<int>(dwExitCode);
}

#endif

}  // namespace

CliResult RunCliProcess(const TempFolder& folder, const std::vector<std::string>& args, const std::string& in,
                        const std::string& strTag)
{
    const std::string strIn = folder.Path("stdin" + strTag), strOut = folder.Path("stdout" + strTag),
                      strErr = folder.Path("stderr" + strTag);
    WriteBytes(strIn, in);
    std::string strProgram = VAULTRY_CLI_PATH;
#ifdef _WIN32
    // The build tree's path is a Unix path; Wine shows the root as drive Z:.
    if (!strProgram.empty() && strProgram[0] == '/') strProgram = "Z:" + strProgram;
    std::replace(strProgram.begin(), strProgram.end(), '/', '\\');
#endif
    std::string strCommand = Quote(strProgram);
    for (const std::string& arg : args) strCommand += " " + Quote(arg);
#ifdef _WIN32
    const int nCode = RunWithStreams(strCommand, strIn, strOut, strErr);
#else
    strCommand += " <" + Quote(strIn) + " >" + Quote(strOut) + " 2>" + Quote(strErr);
    const int nStatus = std::system(strCommand.c_str());
    const int nCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
#endif
    CliResult result{nCode, ReadBytes(strOut), ReadBytes(strErr)};
    // Standard error is a text stream: on Windows its lines end in CR LF.
    for (std::size_t n; (n = result.err.find("\r\n")) != std::string::npos;) result.err.erase(n, 1);
    return result;
}
