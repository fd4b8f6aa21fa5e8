#include "cli/base/CliEnvironment.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <clocale>
#include <langinfo.h>
#endif

namespace {

// A variable in the command line's encoding: UTF-8 in vaultry-cli.exe, whose
// arguments main hands on so; natively the bytes as they are.
CString Variable(LPCTSTR pszName)
{
#ifdef _WIN32
    std::wstring name(pszName, pszName + std::strlen(pszName));
    wchar_t szValue[4096] = L"";
    const DWORD dwLength = GetEnvironmentVariableW(name.c_str(), szValue, 4096);
    if (dwLength == 0 || dwLength >= 4096) return CString();
    CString strValue;
    const int n = WideCharToMultiByte(CP_UTF8, 0, szValue, static_cast<int>(dwLength), nullptr, 0, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, szValue, static_cast<int>(dwLength), strValue.GetBufferSetLength(n), n, nullptr,
                        nullptr);
    return strValue;
#else
    const char* pszValue = std::getenv(pszName);
    return pszValue ? CString(pszValue) : CString();
#endif
}

}  // namespace

CliEnvironment CliEnvironment::ForThisProcess()
{
    CliEnvironment environment;
#ifdef _WIN32
    environment.strArguments = "UTF-8";
    environment.strStreams.Format("%u", GetACP());
    environment.strCodePage = environment.strStreams;
    environment.strPaths = environment.strStreams;
#else
    (void)std::setlocale(LC_CTYPE, "");
    CString strLocale = nl_langinfo(CODESET);
    environment.strArguments = strLocale == "ANSI_X3.4-1968" || strLocale.IsEmpty() ? CString("UTF-8") : strLocale;
    environment.strStreams = environment.strArguments;
    environment.strCodePage = "1252";
#endif
    const char* pszVariable = std::getenv("VAULTRY_CODEPAGE");
    if (pszVariable && *pszVariable) environment.strCodePage = pszVariable;
    environment.strPasswordCommand = Variable("VAULTRY_PASSWORD_COMMAND");
    environment.strPasswordFile = Variable("VAULTRY_PASSWORD_FILE");
    return environment;
}

long long CliEnvironment::UnixTime() const
{
    if (clock) return clock();
    using std::chrono::duration_cast;
    return duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}
