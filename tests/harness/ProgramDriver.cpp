#include "harness/ProgramDriver.h"

#include "harness/MessageBoxInfo.h"
#include "harness/UnmanagedWindows.h"
#include "harness/WindowQueries.h"

namespace harness {

namespace {

// "/" is drive Z: for Wine's programs; Windows paths stay as they are.
std::string ToWindowsPath(const std::string& path)
{
    std::string windows = !path.empty() && path[0] == '/' ? "Z:" + path : path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, pollMs, QS_ALLINPUT);
    }
}

ProgramDriver::~ProgramDriver()
{
    Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

::testing::AssertionResult ProgramDriver::Start(const std::string& exe, const std::string& arguments,
                                                const std::string& workingDirectory)
{
    const std::string path = ToWindowsPath(exe);
    std::string line = "\"" + path + "\" " + arguments;
    const std::string directory = ToWindowsPath(workingDirectory);
    // Needed only while the program first uses windows; see UnmanagedWindows.h.
    UnmanagedWindows unmanaged(path.substr(path.find_last_of('\\') + 1));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                        &info_))
        return ::testing::AssertionFailure()
               << "cannot start " << line << " in \"" << directory << "\": error " << GetLastError();
    WaitForInputIdle(info_.hProcess, kStartTimeoutMs);
    return ::testing::AssertionSuccess();
}

bool ProgramDriver::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

::testing::AssertionResult ProgramDriver::WaitForExit(DWORD timeoutMs)
{
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        return ::testing::AssertionSuccess();
    const std::string windows = DescribeWindows();
    Kill();
    return ::testing::AssertionFailure() << "the program did not end within " << timeoutMs << " ms. Its windows:\n"
                                         << windows;
}

void ProgramDriver::Kill()
{
    if (!Running()) return;
    TerminateProcess(info_.hProcess, 0xDEAD);
    WaitForSingleObject(info_.hProcess, 5000);
}

std::vector<HWND> ProgramDriver::Windows() const
{
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search = {info_.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ProgramDriver::DescribeWindows() const
{
    if (!Running()) return "  (the program is not running)\n";
    std::string text;
    for (HWND window : Windows()) {
        text += "  ";
        if (IsMessageBox(window))
            text += Describe(ReadMessageBox(window));
        else
            text += ClassName(window) + " \"" + WindowText(window) + "\"";
        if (!IsWindowEnabled(window)) text += " (disabled)";
        text += "\n";
    }
    return text.empty() ? "  (no windows shown)\n" : text;
}

HWND ProgramDriver::WaitForWindow(const std::string& what, const std::function<bool(HWND)>& match, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : Windows())
                if (match(window)) {
                    found = window;
                    return true;
                }
            return !Running();
        },
        timeoutMs);
    if (!found)
        ADD_FAILURE() << "Waited " << timeoutMs << " ms for " << what << " in vain. The program's windows:\n"
                      << DescribeWindows();
    return found;
}

HWND ProgramDriver::WaitForCaptionPrefix(const std::string& prefix, DWORD timeoutMs)
{
    return WaitForWindow(
        "a window with a caption starting \"" + prefix + "\"",
        [&](HWND window) { return WindowText(window).compare(0, prefix.size(), prefix) == 0; }, timeoutMs);
}

HWND ProgramDriver::WaitForDialog(const std::string& caption, DWORD timeoutMs)
{
    return WaitForWindow(
        "dialog \"" + caption + "\"",
        [&](HWND window) {
            return IsWindowEnabled(window) && IsDialogClass(window) && !IsMessageBox(window) &&
                   WindowText(window) == caption;
        },
        timeoutMs);
}

HWND ProgramDriver::WaitForMessageBox(DWORD timeoutMs)
{
    return WaitForWindow(
        "a message box", [](HWND window) { return IsWindowEnabled(window) && IsMessageBox(window); }, timeoutMs);
}

bool ProgramDriver::WaitUntilClosed(HWND window, DWORD timeoutMs)
{
    if (WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs)) return true;
    ADD_FAILURE() << "Waited " << timeoutMs << " ms for \"" << WindowText(window)
                  << "\" to close in vain. The program's windows:\n"
                  << DescribeWindows();
    return false;
}

}  // namespace harness
