// The main function of the Windows test programs (instead of gtest_main). Under
// Wine it makes the program's windows unmanaged, so that closing one does not wait
// 2 s for a window manager (UnmanagedWindows.h). The setting is read before main,
// so the first run in a new Wine prefix sets it and runs the program once more.
#include "support/UnmanagedWindows.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

int RunAgain()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, GetCommandLineA(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv)
{
    if (harness::MakeThisProgramUnmanaged()) {
        int code = RunAgain();
        if (code >= 0)
            return code;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
