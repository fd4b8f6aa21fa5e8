#include "cli/base/PasswordSource.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#include <aclapi.h>
#include <string>
#else
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace {

const char kCommandOption[] = "--password-command";
const char kFileOption[] = "--password-file";

// Collects what the source writes, keeping its first line only and wiping every
// buffer it passes through.
class CFirstLine {
public:
    void Add(char* pBytes, std::size_t nCount)
    {
        for (std::size_t i = 0; i < nCount && !m_bEnded; ++i) {
            if (pBytes[i] == '\n')
                m_bEnded = TRUE;
            else
                m_strLine += pBytes[i];
        }
        m_bAny = m_bAny || nCount > 0;
        SecureZero(pBytes, nCount);
    }
    BOOL Any() const { return m_bAny; }
    CString Take()
    {
        if (!m_strLine.IsEmpty() && m_strLine[m_strLine.GetLength() - 1] == '\r')
            m_strLine = m_strLine.Left(m_strLine.GetLength() - 1);
        return m_strLine;
    }

private:
    CString m_strLine;
    BOOL m_bEnded = FALSE;
    BOOL m_bAny = FALSE;
};

CCliError SourceError(CliExitCode nCode, const PasswordSource& source, const CString& strWhat)
{
    return CCliError(nCode, CString(source.pszName) + " " + source.strValue + ": " + strWhat);
}

#ifdef _WIN32

std::wstring Wide(const CString& strUtf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, strUtf8, strUtf8.GetLength(), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, strUtf8, strUtf8.GetLength(), &wide[0], n);
    return wide;
}

CString SystemMessage(DWORD dwError)
{
    char sz[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0, sz, sizeof sz,
                   nullptr);
    CString strMessage = sz;
    while (!strMessage.IsEmpty() && static_cast<unsigned char>(strMessage[strMessage.GetLength() - 1]) <= ' ')
        strMessage = strMessage.Left(strMessage.GetLength() - 1);
    return strMessage;
}

// Runs the source's command with cmd.exe /c, its output into output, and returns
// its exit code. Throws CCliError when it cannot start.
int RunThroughShell(const PasswordSource& source, CFirstLine& output)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!CreatePipe(&hRead, &hWrite, &inherit, 0))
        throw SourceError(kExitUsage, source, "cannot run it: " + SystemMessage(GetLastError()));
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput =
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    startup.hStdOutput = hWrite;
    HANDLE hError = GetStdHandle(STD_ERROR_HANDLE);
    if (hError && hError != INVALID_HANDLE_VALUE)
        DuplicateHandle(GetCurrentProcess(), hError, GetCurrentProcess(), &startup.hStdError, 0, TRUE,
                        DUPLICATE_SAME_ACCESS);
    wchar_t szShell[MAX_PATH] = L"";
    if (!GetEnvironmentVariableW(L"ComSpec", szShell, MAX_PATH) || !*szShell) wcscpy(szShell, L"cmd.exe");
    // /s: cmd takes everything between the first and the last quote as it is.
    std::wstring line = L"\"" + std::wstring(szShell) + L"\" /d /s /c \"" + Wide(source.strValue) + L"\"";
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    const DWORD dwError = GetLastError();
    for (HANDLE h : {hWrite, startup.hStdInput, startup.hStdError})
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    if (!bStarted) {
        CloseHandle(hRead);
        throw SourceError(kExitUsage, source, "cannot run it: " + SystemMessage(dwError));
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (ReadFile(hRead, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0) output.Add(buffer, dwRead);
    CloseHandle(hRead);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwCode = 0;
    GetExitCodeProcess(process.hProcess, &dwCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(dwCode);
}

// The current user's SID, in a buffer the caller frees.
PSID CurrentUser(HANDLE& hToken, std::string& buffer)
{
    DWORD dwSize = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken)) return nullptr;
    GetTokenInformation(hToken, TokenUser, nullptr, 0, &dwSize);
    buffer.resize(dwSize);
    if (!dwSize || !GetTokenInformation(hToken, TokenUser, &buffer[0], dwSize, &dwSize)) return nullptr;
    return reinterpret_cast<TOKEN_USER*>(&buffer[0])->User.Sid;
}

// Whether the file's owner is the user and its access list lets no one else
// read it but SYSTEM and the Administrators group.
BOOL OnlyOwnerReads(HANDLE hFile)
{
    PSID pOwner = nullptr;
    PACL pDacl = nullptr;
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    if (GetSecurityInfo(hFile, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &pOwner, nullptr,
                        &pDacl, nullptr, &pDescriptor) != ERROR_SUCCESS)
        return FALSE;
    HANDLE hToken = nullptr;
    std::string userBuffer;
    const PSID pUser = CurrentUser(hToken, userBuffer);
    BYTE system[SECURITY_MAX_SID_SIZE], admins[SECURITY_MAX_SID_SIZE];
    DWORD dwSystem = sizeof system, dwAdmins = sizeof admins;
    BOOL bOnly = pUser && pOwner && pDacl && EqualSid(pOwner, pUser) &&
                 CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &dwSystem) &&
                 CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &dwAdmins);
    const DWORD dwRead = FILE_READ_DATA | GENERIC_READ | GENERIC_ALL | MAXIMUM_ALLOWED;
    for (DWORD i = 0; bOnly && i < pDacl->AceCount; ++i) {
        ACE_HEADER* pAce = nullptr;
        if (!GetAce(pDacl, i, reinterpret_cast<void**>(&pAce))) bOnly = FALSE;
        if (!bOnly || pAce->AceType != ACCESS_ALLOWED_ACE_TYPE || (pAce->AceFlags & INHERIT_ONLY_ACE)) continue;
        const ACCESS_ALLOWED_ACE* pAllowed = reinterpret_cast<const ACCESS_ALLOWED_ACE*>(pAce);
        const PSID pSid = const_cast<DWORD*>(&pAllowed->SidStart);
        if ((pAllowed->Mask & dwRead) && !EqualSid(pSid, pUser) && !EqualSid(pSid, system) && !EqualSid(pSid, admins))
            bOnly = FALSE;
    }
    if (hToken) CloseHandle(hToken);
    LocalFree(pDescriptor);
    return bOnly;
}

void ReadFileSource(const PasswordSource& source, CFirstLine& output)
{
    HANDLE hFile = CreateFileW(Wide(source.strValue).c_str(), GENERIC_READ | READ_CONTROL, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) throw SourceError(kExitIo, source, SystemMessage(GetLastError()));
    if (GetFileType(hFile) != FILE_TYPE_DISK) {
        CloseHandle(hFile);
        throw SourceError(kExitIo, source, "not a file");
    }
    if (!OnlyOwnerReads(hFile)) {
        CloseHandle(hFile);
        throw SourceError(kExitUsage, source,
                          "others than its owner may read it; only a file that its owner alone (with SYSTEM and "
                          "the Administrators) may read can hold a password");
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (ReadFile(hFile, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0) output.Add(buffer, dwRead);
    CloseHandle(hFile);
}

#else

// Runs the source's command with /bin/sh -c, its output into output, and returns
// its exit status (128 + the signal's number when a signal ended it, as the shell
// counts). Throws CCliError when it cannot start.
int RunThroughShell(const PasswordSource& source, CFirstLine& output)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw SourceError(kExitUsage, source, std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char szShell[] = "sh", szOption[] = "-c";
    char* argv[] = {szShell, szOption, const_cast<char*>(source.strValue.GetString()), nullptr};
    pid_t pid = 0;
    const int nError = posix_spawn(&pid, "/bin/sh", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (nError != 0) {
        close(fds[0]);
        throw SourceError(kExitUsage, source, CString("cannot run it: ") + std::strerror(nError));
    }
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) output.Add(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int nStatus;
    if (waitpid(pid, &nStatus, 0) != pid) throw SourceError(kExitUsage, source, std::strerror(errno));
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
}

void ReadFileSource(const PasswordSource& source, CFirstLine& output)
{
    // Opened first and checked through the descriptor, so that what is checked is
    // what is read; without waiting, so that a FIFO cannot hold it up.
    const int fd = open(source.strValue, O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw SourceError(kExitIo, source, std::strerror(errno));
    struct stat st;
    const BOOL bRegular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!bRegular || st.st_uid != geteuid() || (st.st_mode & 077) != 0) {
        close(fd);
        if (!bRegular) throw SourceError(kExitIo, source, "not a regular file");
        CString strWhy;
        strWhy.Format("others than its owner may read it (mode %04o, owner %u); only a file of yours that no one "
                      "else may read can hold a password (chmod 600)",
                      static_cast<unsigned>(st.st_mode & 07777), static_cast<unsigned>(st.st_uid));
        throw SourceError(kExitUsage, source, strWhy);
    }
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) output.Add(buffer, static_cast<std::size_t>(n));
    close(fd);
}

#endif

}  // namespace

PasswordSource ChoosePasswordSource(const CCliContext& context)
{
    PasswordSource source;
    const CCommandLine& args = context.args;
    const BOOL bCommand = args.Has(kCommandOption), bFile = args.Has(kFileOption);
    if (bCommand && bFile) throw CCliError(kExitUsage, "give either --password-command or --password-file");
    if (bCommand || bFile) {
        source.kind = bCommand ? PasswordSourceKind::command : PasswordSourceKind::file;
        source.pszName = bCommand ? kCommandOption : kFileOption;
        args.GetValue(source.pszName, source.strValue);
        return source;
    }
    const CliEnvironment& env = context.environment;
    if (args.Has("--password-stdin") || (env.strPasswordCommand.IsEmpty() && env.strPasswordFile.IsEmpty()))
        return source;
    if (!env.strPasswordCommand.IsEmpty() && !env.strPasswordFile.IsEmpty())
        throw CCliError(kExitUsage, "both VAULTRY_PASSWORD_COMMAND and VAULTRY_PASSWORD_FILE are set; unset one");
    const BOOL bEnvCommand = !env.strPasswordCommand.IsEmpty();
    source.kind = bEnvCommand ? PasswordSourceKind::command : PasswordSourceKind::file;
    source.pszName = bEnvCommand ? "VAULTRY_PASSWORD_COMMAND" : "VAULTRY_PASSWORD_FILE";
    source.strValue = bEnvCommand ? env.strPasswordCommand : env.strPasswordFile;
    return source;
}

CString ReadFromPasswordSource(const PasswordSource& source)
{
    if (source.strValue.IsEmpty()) throw CCliError(kExitUsage, CString(source.pszName) + " is empty");
    CFirstLine output;
    if (source.kind == PasswordSourceKind::file) {
        ReadFileSource(source, output);
        CString strPassword = output.Take();
        if (strPassword.IsEmpty()) throw SourceError(kExitUsage, source, "the file's first line is empty");
        return strPassword;
    }
    const int nExitCode = RunThroughShell(source, output);
    CString strPassword = output.Take();
    CString strWhy;
    if (nExitCode != 0)
        strWhy.Format("it failed (exit status %d); no password", nExitCode);
    else if (strPassword.IsEmpty())
        strWhy = output.Any() ? "its first line is empty; no password" : "it printed nothing; no password";
    if (!strWhy.IsEmpty()) throw SourceError(kExitUsage, source, strWhy);
    return strPassword;
}
