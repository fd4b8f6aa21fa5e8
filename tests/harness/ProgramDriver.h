// Drives a program running as its own process through window messages only: starts
// it, waits for its windows, reads them, and acts on them with ControlInput's
// functions (EndToEndTest.cpp shows how). The program is ended when the driver goes
// away, so a failing test leaves nothing running. Every wait has a limit; when it
// passes, the test fails with a list of the program's windows and the wait gives
// nullptr (or false).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

// Checks the condition every pollMs until it holds or timeoutMs have passed,
// dispatching this thread's messages in between so that its own windows stay
// responsive. True when the condition held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);

class ProgramDriver {
public:
    static constexpr DWORD kStartTimeoutMs = 20000;  // a fresh Wine prefix is slow
    static constexpr DWORD kTimeoutMs = 10000;

    ProgramDriver() = default;
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // Runs `exe arguments` in the working directory and waits until the program
    // first waits for input. The arguments go on the command line as given (quote
    // them yourself); Unix paths become Wine's Z: paths. Under Wine the program's
    // windows are unmanaged (UnmanagedWindows.h).
    ::testing::AssertionResult Start(const std::string& exe, const std::string& arguments,
                                     const std::string& workingDirectory);
    bool Running() const;
    // Waits for the program to end; on timeout it is killed and the result is a failure.
    ::testing::AssertionResult WaitForExit(DWORD timeoutMs);

    // The program's shown top-level windows, topmost first.
    std::vector<HWND> Windows() const;
    // One line per shown top-level window: class, caption, message-box text.
    std::string DescribeWindows() const;

    // The first shown top-level window that matches; `what` names it in failures.
    HWND WaitForWindow(const std::string& what, const std::function<bool(HWND)>& match, DWORD timeoutMs);
    HWND WaitForCaptionPrefix(const std::string& prefix, DWORD timeoutMs = kStartTimeoutMs);
    // An enabled dialog (not a message box) with exactly this caption: the one on top.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kTimeoutMs);
    // An enabled message box.
    HWND WaitForMessageBox(DWORD timeoutMs = kTimeoutMs);
    // Waits until the window is gone or hidden (a dialog after EndDialog).
    bool WaitUntilClosed(HWND window, DWORD timeoutMs = kTimeoutMs);

private:
    void Kill();

    PROCESS_INFORMATION info_ = {};
};

}  // namespace harness
