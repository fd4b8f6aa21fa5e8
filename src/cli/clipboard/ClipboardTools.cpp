// The clipboard through the desktop's clipboard tools (POSIX).
#ifndef _WIN32

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "cli/base/CliError.h"
#include "cli/clipboard/Clipboard.h"

namespace {

struct ClipboardTool {
    const char* pszDisplayVariable;  // the tool needs this set
    std::vector<const char*> copy, paste, clear;
};

const ClipboardTool kTools[] = {
    {"WAYLAND_DISPLAY", {"wl-copy"}, {"wl-paste", "--no-newline"}, {"wl-copy", "--clear"}},
    {"DISPLAY",
     {"xclip", "-selection", "clipboard", "-in"},
     {"xclip", "-selection", "clipboard", "-out"},
     {"xclip", "-selection", "clipboard", "-in"}},
    {"DISPLAY",
     {"xsel", "--clipboard", "--input"},
     {"xsel", "--clipboard", "--output"},
     {"xsel", "--clipboard", "--clear"}},
};

BOOL OnPath(const char* pszProgram)
{
    const char* pszPath = std::getenv("PATH");
    std::string path = pszPath ? pszPath : "/usr/bin:/bin";
    for (std::size_t nStart = 0; nStart <= path.size();) {
        std::size_t nEnd = path.find(':', nStart);
        if (nEnd == std::string::npos) nEnd = path.size();
        std::string folder = path.substr(nStart, nEnd - nStart);
        std::string file = (folder.empty() ? "." : folder) + "/" + pszProgram;
        struct stat st;
        if (stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(file.c_str(), X_OK) == 0) return TRUE;
        nStart = nEnd + 1;
    }
    return FALSE;
}

// Runs the tool with input on its standard input (none when null) and its
// standard output read into pOutput (to /dev/null when null); its errors go
// to /dev/null. TRUE when it exits with 0.
BOOL RunTool(const std::vector<const char*>& args, const std::string* pInput, std::string* pOutput)
{
    int in[2] = {-1, -1}, out[2] = {-1, -1};
    if (pipe(in) != 0) return FALSE;
    if (pOutput && pipe(out) != 0) {
        close(in[0]);
        close(in[1]);
        return FALSE;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int nNull = open("/dev/null", O_RDWR);
        dup2(in[0], STDIN_FILENO);
        dup2(pOutput ? out[1] : nNull, STDOUT_FILENO);
        dup2(nNull, STDERR_FILENO);
        // Nothing else of this process stays open in the tool, which may live on
        // to serve the clipboard.
        for (int fd = 3; fd < 1024; ++fd) close(fd);
        std::vector<char*> argv;
        for (const char* psz : args) argv.push_back(const_cast<char*>(psz));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    if (pOutput) close(out[1]);
    // A tool that ends without reading its input must not end this process.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    if (pid > 0 && pInput) {
        for (std::size_t nDone = 0; nDone < pInput->size();) {
            const ssize_t n = write(in[1], pInput->data() + nDone, pInput->size() - nDone);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            nDone += static_cast<std::size_t>(n);
        }
    }
    close(in[1]);
    sigaction(SIGPIPE, &previous, nullptr);
    if (pOutput) {
        pOutput->clear();
        char buffer[4096];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            pOutput->append(buffer, static_cast<std::size_t>(n));
        }
        close(out[0]);
    }
    int nStatus = 0;
    while (pid > 0 && waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {}
    return pid > 0 && WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0;
}

class CToolClipboard : public CClipboard {
public:
    explicit CToolClipboard(const ClipboardTool& tool) : m_tool(tool) {}
    ~CToolClipboard() override { SecureZero(&m_text[0], m_text.size()); }

    void Copy(const std::string& text) override
    {
        m_text = text;
        if (!RunTool(m_tool.copy, &m_text, nullptr))
            throw CCliError(kExitIo, CString(m_tool.copy[0]) + " could not put the text on the clipboard");
    }

    BOOL StillHolds() override
    {
        std::string now;
        const BOOL bSame = RunTool(m_tool.paste, nullptr, &now) && now == m_text;
        SecureZero(&now[0], now.size());
        return bSame;
    }

    void Clear() override
    {
        const std::string empty;
        RunTool(m_tool.clear, &empty, nullptr);
    }

private:
    const ClipboardTool& m_tool;
    std::string m_text;
};

}  // namespace

std::unique_ptr<CClipboard> OpenSystemClipboard()
{
    for (const ClipboardTool& tool : kTools) {
        const char* pszDisplay = std::getenv(tool.pszDisplayVariable);
        if (pszDisplay && *pszDisplay && OnPath(tool.copy[0]) && OnPath(tool.paste[0]))
            return std::unique_ptr<CClipboard>(new CToolClipboard(tool));
    }
    throw CCliError(kExitIo, "no clipboard to copy to: clip needs a desktop session with wl-copy and wl-paste "
                             "(Wayland), or xclip or xsel (X11)");
}

#endif
