#include "cli/base/CliEnvironment.h"

#include <chrono>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <langinfo.h>
#endif

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
    return environment;
}

long long CliEnvironment::UnixTime() const
{
    if (clock) return clock();
    using std::chrono::duration_cast;
    return duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}
