// A program started as its own process, for end-to-end tests. The process is ended
// when this object goes away, so a failing test leaves nothing running.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace harness {

// Paths from the build (CMake gives Unix paths) as Wine's programs see them: "/"
// is drive Z:. Windows paths are returned unchanged.
std::string ToWindowsPath(const std::string& path);

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Runs `exe arguments` in the working directory (empty: this process's own) and
    // waits until the program first waits for input (its first window is up). The
    // arguments go on the command line as given (quote them yourself). Under Wine
    // the program's windows are unmanaged (UnmanagedWindows.h).
    ::testing::AssertionResult Start(const std::string& exe, const std::string& arguments,
                                     const std::string& workingDirectory = std::string());

    bool Running() const;
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

    // Waits for the program to end and gives its exit code. On timeout the program
    // is killed and the result is a failure.
    ::testing::AssertionResult WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    void Kill();

private:
    PROCESS_INFORMATION info_ = {};
};

}  // namespace harness
