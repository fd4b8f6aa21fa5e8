#include "harness/UnmanagedWindows.h"

#include <windows.h>

namespace harness {

namespace {

const char kValue[] = "Managed";

std::string KeyFor(const std::string& exeName) { return "Software\\Wine\\AppDefaults\\" + exeName + "\\X11 Driver"; }

// The value's old text when there was one, then "N" set; false when not under
// Wine or the key cannot be written.
bool SetUnmanaged(const std::string& key, bool& hadValue, std::string& oldValue)
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    HKEY handle;
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version") ||
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    char old[64] = "";
    DWORD size = sizeof old - 1;
    DWORD type = 0;
    hadValue = RegQueryValueExA(handle, kValue, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS &&
               type == REG_SZ;
    oldValue = hadValue ? old : "";
    bool set = RegSetValueExA(handle, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return set;
}

}  // namespace

UnmanagedWindows::UnmanagedWindows(const std::string& exeName)
{
    if (SetUnmanaged(KeyFor(exeName), hadValue_, oldValue_)) key_ = KeyFor(exeName);
}

UnmanagedWindows::~UnmanagedWindows()
{
    HKEY handle;
    if (key_.empty() || RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return;
    if (hadValue_)
        RegSetValueExA(handle, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(oldValue_.c_str()),
                       static_cast<DWORD>(oldValue_.size() + 1));
    else
        RegDeleteValueA(handle, kValue);
    RegCloseKey(handle);
}

int RestartUnmanagedIfNeeded()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string name = path;
    bool hadValue = false;
    std::string oldValue;
    if (!SetUnmanaged(KeyFor(name.substr(name.find_last_of("\\/") + 1)), hadValue, oldValue) ||
        (hadValue && oldValue == "N"))
        return -1;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, GetCommandLineA(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

}  // namespace harness
