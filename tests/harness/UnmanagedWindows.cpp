#include "harness/UnmanagedWindows.h"

#include <windows.h>

namespace harness {

namespace {

const char kValue[] = "Managed";

std::string ThisProgramsName()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    size_t slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string KeyFor(const std::string& exeName)
{
    return "Software\\Wine\\AppDefaults\\" + (exeName.empty() ? ThisProgramsName() : exeName) +
           "\\X11 Driver";
}

}  // namespace

bool RunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

UnmanagedWindows::UnmanagedWindows(const std::string& exeName)
{
    if (!RunningUnderWine())
        return;
    const std::string key = KeyFor(exeName);
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    char old[64] = "";
    DWORD size = sizeof old - 1;
    DWORD type = 0;
    hadValue_ = RegQueryValueExA(handle, kValue, nullptr, &type, reinterpret_cast<BYTE*>(old),
                                 &size) == ERROR_SUCCESS && type == REG_SZ;
    oldValue_ = hadValue_ ? old : "";
    if (RegSetValueExA(handle, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) ==
        ERROR_SUCCESS)
        key_ = key;
    RegCloseKey(handle);
}

UnmanagedWindows::~UnmanagedWindows()
{
    HKEY handle;
    if (key_.empty() ||
        RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS)
        return;
    if (hadValue_)
        RegSetValueExA(handle, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(oldValue_.c_str()),
                       static_cast<DWORD>(oldValue_.size() + 1));
    else
        RegDeleteValueA(handle, kValue);
    RegCloseKey(handle);
}

bool MakeThisProgramUnmanaged()
{
    if (!RunningUnderWine())
        return false;
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyFor(std::string()).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    char value[8] = "";
    DWORD size = sizeof value - 1;
    bool set = RegQueryValueExA(handle, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                                &size) == ERROR_SUCCESS && value[0] == 'N';
    bool changed = !set && RegSetValueExA(handle, kValue, 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>("N"), 2) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return changed;
}


int RestartUnmanagedIfNeeded()
{
    if (!MakeThisProgramUnmanaged()) return -1;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, GetCommandLineA(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

}  // namespace harness
