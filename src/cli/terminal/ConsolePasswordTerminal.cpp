#include "cli/terminal/ConsolePasswordTerminal.h"

#include <cstring>

#ifdef _WIN32

#include <windows.h>

#include <string>

namespace {

HANDLE g_hInput = INVALID_HANDLE_VALUE;
DWORD g_dwSavedMode = 0;

// Runs on its own thread when Ctrl+C or Ctrl+Break arrives; the default handler
// that ends the process runs after it.
BOOL WINAPI RestoreEchoOnBreak(DWORD)
{
    SetConsoleMode(g_hInput, g_dwSavedMode);
    return FALSE;
}

BOOL WriteConsoleText(LPCTSTR psz)
{
    HANDLE hOut = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (hOut == INVALID_HANDLE_VALUE) return FALSE;
    DWORD dwWritten = 0;
    const BOOL bWritten = WriteConsoleA(hOut, psz, static_cast<DWORD>(std::strlen(psz)), &dwWritten, nullptr);
    CloseHandle(hOut);
    return bWritten;
}

}  // namespace

TerminalRead CConsolePasswordTerminal::Read(LPCTSTR pszPrompt, CString& strLine, BOOL bEcho)
{
    strLine.Empty();
    HANDLE hInput = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (hInput == INVALID_HANDLE_VALUE) return TerminalRead::noTerminal;
    DWORD dwMode = 0;
    if (!GetConsoleMode(hInput, &dwMode)) {
        CloseHandle(hInput);
        return TerminalRead::noTerminal;
    }
    g_hInput = hInput;
    g_dwSavedMode = dwMode;
    SetConsoleCtrlHandler(RestoreEchoOnBreak, TRUE);
    DWORD dwEcho = bEcho ? ENABLE_ECHO_INPUT : 0;
    SetConsoleMode(hInput, (dwMode & ~ENABLE_ECHO_INPUT) | dwEcho | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT);
    WriteConsoleText(pszPrompt);

    TerminalRead result = TerminalRead::ended;
    std::wstring line;
    wchar_t ch = 0;
    DWORD dwRead = 0;
    while (ReadConsoleW(hInput, &ch, 1, &dwRead, nullptr) && dwRead == 1) {
        if (ch == L'\n') {
            result = TerminalRead::ok;
            break;
        }
        if (ch != L'\r') line += ch;
    }
    ch = 0;
    if (!line.empty()) {
        int n =
            WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
        WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), strLine.GetBufferSetLength(n), n,
                            nullptr, nullptr);
        SecureZero(&line[0], line.size() * sizeof line[0]);
    }

    SetConsoleMode(hInput, dwMode);
    SetConsoleCtrlHandler(RestoreEchoOnBreak, FALSE);
    g_hInput = INVALID_HANDLE_VALUE;
    CloseHandle(hInput);
    if (!bEcho) WriteConsoleText("\r\n");
    return result;
}

BOOL CConsolePasswordTerminal::StandardInputIsTerminal()
{
    DWORD dwMode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &dwMode);
}

BOOL CConsolePasswordTerminal::StandardErrorIsTerminal()
{
    DWORD dwMode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &dwMode);
}

BOOL CConsolePasswordTerminal::Show(LPCTSTR pszText) { return WriteConsoleText(pszText); }

#else

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};
const int kSignalCount = sizeof kSignals / sizeof kSignals[0];

volatile sig_atomic_t g_nTerminal = -1;
struct termios g_saved;

// Turns echo back on, then lets the signal do what it would have done.
void RestoreEchoAndRaise(int nSignal)
{
    if (g_nTerminal >= 0) tcsetattr(g_nTerminal, TCSAFLUSH, &g_saved);
    (void)signal(nSignal, SIG_DFL);
    (void)raise(nSignal);
}

void WriteAll(int fd, LPCTSTR psz)
{
    std::size_t n = std::strlen(psz);
    while (n) {
        ssize_t done = ::write(fd, psz, n);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return;
        psz += done;
        n -= static_cast<std::size_t>(done);
    }
}

}  // namespace

TerminalRead CConsolePasswordTerminal::Read(LPCTSTR pszPrompt, CString& strLine, BOOL bEcho)
{
    strLine.Empty();
    int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return TerminalRead::noTerminal;
    struct termios saved;
    if (tcgetattr(fd, &saved) != 0) {
        ::close(fd);
        return TerminalRead::noTerminal;
    }
    g_saved = saved;
    g_nTerminal = fd;
    struct sigaction action = {};
    action.sa_handler = RestoreEchoAndRaise;
    sigemptyset(&action.sa_mask);
    struct sigaction previous[kSignalCount];
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &action, &previous[i]);
    struct termios quiet = saved;
    if (!bEcho) quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK);
    quiet.c_lflag |= ECHONL | ICANON;
    // Echo goes off before the prompt shows, so nothing typed after it is echoed.
    tcsetattr(fd, TCSAFLUSH, &quiet);
    WriteAll(fd, pszPrompt);

    TerminalRead result = TerminalRead::ended;
    char ch = 0;
    for (;;) {
        ssize_t n = ::read(fd, &ch, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (ch == '\n') {
            result = TerminalRead::ok;
            break;
        }
        strLine += ch;
    }
    ch = 0;

    tcsetattr(fd, TCSAFLUSH, &saved);
    g_nTerminal = -1;
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &previous[i], nullptr);
    if (result != TerminalRead::ok) WriteAll(fd, "\n");
    ::close(fd);
    return result;
}

BOOL CConsolePasswordTerminal::StandardInputIsTerminal() { return ::isatty(STDIN_FILENO); }

BOOL CConsolePasswordTerminal::StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO); }

BOOL CConsolePasswordTerminal::Show(LPCTSTR pszText)
{
    int fd = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FALSE;
    WriteAll(fd, pszText);
    ::close(fd);
    return TRUE;
}

#endif
