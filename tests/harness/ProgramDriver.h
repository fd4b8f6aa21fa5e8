// Drives a program running as its own process through window messages only: waits
// for its windows, reads them, and acts on them with ControlInput's functions.
//
//     ProgramDriver program;
//     ASSERT_TRUE(program.Start(exe, "\"Test.vty\"", directory));
//     HWND frame = program.WaitForWindowOfClass(kFrameClass);
//     ASSERT_TRUE(frame);
//     PostMenuCommand(frame, ID_FILE_SAVE);
//     HWND dialog = program.WaitForDialog("Password Protection");
//     ASSERT_TRUE(dialog);
//     SetControlText(dialog, 1003, "secret");
//     PostClick(dialog, IDOK);
//     ASSERT_TRUE(program.WaitUntilClosed(dialog));
//     PostClose(frame);
//     DWORD code;
//     ASSERT_TRUE(program.WaitForExit(5000, &code));
//
// Every wait has a limit; when it passes, the test fails with a list of the
// program's windows and the wait gives nullptr (or false).
#pragma once

#include "harness/ProgramProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

class ProgramDriver {
public:
    static constexpr DWORD kStartTimeoutMs = 20000;  // a fresh Wine prefix is slow
    static constexpr DWORD kTimeoutMs = 10000;

    ::testing::AssertionResult Start(const std::string& exe, const std::string& arguments,
                                     const std::string& workingDirectory = std::string())
    {
        return process_.Start(exe, arguments, workingDirectory);
    }
    ProgramProcess& Process() { return process_; }

    // The program's shown top-level windows, topmost first.
    std::vector<HWND> Windows() const;
    // One line per shown top-level window: class, caption, message-box text.
    std::string DescribeWindows() const;

    // The first shown top-level window that matches; `what` names it in failures.
    HWND WaitForWindow(const std::string& what, const std::function<bool(HWND)>& match,
                       DWORD timeoutMs = kTimeoutMs);
    HWND WaitForWindowOfClass(const std::string& className, DWORD timeoutMs = kStartTimeoutMs);
    HWND WaitForCaptionPrefix(const std::string& prefix, DWORD timeoutMs = kStartTimeoutMs);
    // An enabled dialog (not a message box) with exactly this caption: the one on top.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kTimeoutMs);
    // An enabled message box.
    HWND WaitForMessageBox(DWORD timeoutMs = kTimeoutMs);

    // Waits until the window is gone or hidden (a dialog after EndDialog).
    bool WaitUntilClosed(HWND window, DWORD timeoutMs = kTimeoutMs);

    // Waits for the common file dialog with this caption, puts the path in its
    // file-name box (control 1148 on Wine) and presses OK.
    ::testing::AssertionResult AnswerFileDialog(const std::string& caption,
                                                const std::string& path,
                                                DWORD timeoutMs = kTimeoutMs);

    ::testing::AssertionResult WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr)
    {
        return process_.WaitForExit(timeoutMs, exitCode);
    }

private:
    ProgramProcess process_;
};

}  // namespace harness
