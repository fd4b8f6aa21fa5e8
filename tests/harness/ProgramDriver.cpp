#include "harness/ProgramDriver.h"

#include "harness/ControlInput.h"
#include "harness/MessageBoxInfo.h"
#include "harness/WaitUntil.h"
#include "harness/WindowQueries.h"

namespace harness {

namespace {

constexpr int kFileNameBox = 1148;

}  // namespace

std::vector<HWND> ProgramDriver::Windows() const
{
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search = {process_.Id(), {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ProgramDriver::DescribeWindows() const
{
    if (!process_.Running())
        return "  (the program is not running)\n";
    std::string text;
    for (HWND window : Windows()) {
        text += "  ";
        if (IsMessageBox(window))
            text += Describe(ReadMessageBox(window));
        else
            text += ClassName(window) + " \"" + WindowText(window) + "\"";
        if (!IsWindowEnabled(window))
            text += " (disabled)";
        text += "\n";
    }
    return text.empty() ? "  (no windows shown)\n" : text;
}

HWND ProgramDriver::WaitForWindow(const std::string& what, const std::function<bool(HWND)>& match,
                                  DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : Windows())
                if (match(window)) {
                    found = window;
                    return true;
                }
            return !process_.Running();
        },
        timeoutMs);
    if (!found)
        ADD_FAILURE() << "Waited " << timeoutMs << " ms for " << what
                      << " in vain. The program's windows:\n"
                      << DescribeWindows();
    return found;
}

HWND ProgramDriver::WaitForWindowOfClass(const std::string& className, DWORD timeoutMs)
{
    return WaitForWindow(
        "a window of class " + className,
        [&](HWND window) { return ClassName(window) == className; }, timeoutMs);
}

HWND ProgramDriver::WaitForCaptionPrefix(const std::string& prefix, DWORD timeoutMs)
{
    return WaitForWindow(
        "a window with a caption starting \"" + prefix + "\"",
        [&](HWND window) { return WindowText(window).compare(0, prefix.size(), prefix) == 0; },
        timeoutMs);
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
        "a message box",
        [](HWND window) { return IsWindowEnabled(window) && IsMessageBox(window); }, timeoutMs);
}

bool ProgramDriver::WaitUntilClosed(HWND window, DWORD timeoutMs)
{
    if (WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs))
        return true;
    ADD_FAILURE() << "Waited " << timeoutMs << " ms for \"" << WindowText(window)
                  << "\" to close in vain. The program's windows:\n"
                  << DescribeWindows();
    return false;
}

::testing::AssertionResult ProgramDriver::AnswerFileDialog(const std::string& caption,
                                                           const std::string& path,
                                                           DWORD timeoutMs)
{
    HWND dialog = WaitForDialog(caption, timeoutMs);
    if (!dialog)
        return ::testing::AssertionFailure() << "no file dialog \"" << caption << "\"";
    if (!SetControlText(dialog, kFileNameBox, ToWindowsPath(path)))
        return ::testing::AssertionFailure() << "the file dialog has no file-name box";
    if (!PostClick(dialog, IDOK))
        return ::testing::AssertionFailure() << "the file dialog has no OK button";
    if (!WaitUntilClosed(dialog, timeoutMs))
        return ::testing::AssertionFailure() << "the file dialog stayed open";
    return ::testing::AssertionSuccess();
}

}  // namespace harness
