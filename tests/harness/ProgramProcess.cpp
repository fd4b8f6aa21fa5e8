#include "harness/ProgramProcess.h"

#include "harness/UnmanagedWindows.h"

#include <vector>

namespace harness {

namespace {

constexpr DWORD kReadyTimeoutMs = 20000;  // a fresh Wine prefix is slow

std::string FileName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ToWindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

ProgramProcess::~ProgramProcess()
{
    Kill();
    if (info_.hProcess)
        CloseHandle(info_.hProcess);
    if (info_.hThread)
        CloseHandle(info_.hThread);
}

::testing::AssertionResult ProgramProcess::Start(const std::string& exe,
                                                 const std::string& arguments,
                                                 const std::string& workingDirectory)
{
    if (info_.hProcess)
        return ::testing::AssertionFailure() << "a program was started already";
    const std::string path = ToWindowsPath(exe);
    std::string line = "\"" + path + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    const std::string directory = ToWindowsPath(workingDirectory);

    // Needed only while the program first uses windows; see UnmanagedWindows.h.
    UnmanagedWindows unmanaged(FileName(path));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info_)) {
        DWORD error = GetLastError();
        info_ = PROCESS_INFORMATION{};
        return ::testing::AssertionFailure()
               << "cannot start " << line << " in \"" << directory << "\": error " << error;
    }
    WaitForInputIdle(info_.hProcess, kReadyTimeoutMs);
    return ::testing::AssertionSuccess();
}

bool ProgramProcess::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

::testing::AssertionResult ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (!info_.hProcess)
        return ::testing::AssertionFailure() << "no program was started";
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        Kill();
        return ::testing::AssertionFailure()
               << "the program did not end within " << timeoutMs << " ms and was killed";
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    if (exitCode)
        *exitCode = code;
    return ::testing::AssertionSuccess() << "exit code " << code;
}

void ProgramProcess::Kill()
{
    if (!Running())
        return;
    TerminateProcess(info_.hProcess, 0xDEAD);
    WaitForSingleObject(info_.hProcess, 5000);
}

}  // namespace harness
