// Under Wine with no window manager (the tests' Xvfb), Wine's X11 driver waits up
// to 2 seconds for a window manager that never answers whenever a top-level window
// it manages is hidden or destroyed: every closed dialog or message box costs 2 s.
// Told not to manage a program's windows, it does not wait.
//
// The driver reads the setting (HKCU\Software\Wine\AppDefaults\<exe>\X11 Driver,
// value Managed = "N") once, when a process starts using windows (before main), so
// it must be in place before the program starts. Outside Wine nothing is changed.
#pragma once

#include <string>

namespace harness {

// For a program about to be started: sets the value, and restores the earlier one
// when it goes away (the program then has read it), so that the program started by
// hand in the same Wine prefix keeps window-manager decorations.
class UnmanagedWindows {
public:
    explicit UnmanagedWindows(const std::string& exeName);  // "Vaultry.exe"
    ~UnmanagedWindows();
    UnmanagedWindows(const UnmanagedWindows&) = delete;
    UnmanagedWindows& operator=(const UnmanagedWindows&) = delete;

private:
    std::string key_;  // empty when nothing was changed
    bool hadValue_ = false;
    std::string oldValue_;
};

// For a test program itself, for good. When the value was not set yet it applies
// only from the next start: then this starts the program again with the same
// command line and standard handles, waits, and returns its exit code. Returns -1
// when this run can go on (already unmanaged, not under Wine, or no restart).
int RestartUnmanagedIfNeeded();

}  // namespace harness
