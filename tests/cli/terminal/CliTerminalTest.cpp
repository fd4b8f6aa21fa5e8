// The real terminal: vaultry-cli in a pseudo-terminal asks for its passwords
// there and does not echo them. POSIX only.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "cli/CliTestSupport.h"

namespace {

// Runs vaultry-cli in a new terminal, typing each answer once the text before
// it has appeared; "$PHRASE" in an answer stands for the passphrase shown, the
// line that four spaces indent. Returns the exit code; seen gets everything the
// terminal showed.
using Script = std::vector<std::pair<std::string, std::string>>;  // prompt, then what to type

int RunInTerminal(const std::vector<std::string>& args, const Script& script, std::string& seen)
{
    int nMaster = -1;
    pid_t pid = forkpty(&nMaster, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(VAULTRY_CLI_PATH)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    // Reads what the terminal shows; false at its end, or after 10 quiet seconds.
    auto readSome = [&] {
        struct pollfd pfd = {nMaster, POLLIN, 0};
        char buffer[256];
        ssize_t n = poll(&pfd, 1, 10000) > 0 ? read(nMaster, buffer, sizeof buffer) : -1;
        if (n > 0) seen.append(buffer, static_cast<std::size_t>(n));
        return n > 0;
    };
    std::size_t nFrom = 0;
    for (const auto& [strPrompt, strAnswer] : script) {
        while (seen.find(strPrompt, nFrom) == std::string::npos)
            if (!readSome()) break;
        nFrom = seen.size();
        std::string strTyped = strAnswer;
        const std::size_t nPhrase = seen.find("\n    "), nMark = strTyped.find("$PHRASE");
        if (nPhrase != std::string::npos && nMark != std::string::npos)
            strTyped.replace(nMark, 7, seen.substr(nPhrase + 5, seen.find('\r', nPhrase + 5) - nPhrase - 5));
        EXPECT_EQ(write(nMaster, strTyped.data(), strTyped.size()), static_cast<ssize_t>(strTyped.size()));
    }
    while (readSome()) {}
    int nStatus = 0;
    kill(pid, SIGKILL);  // in case it still waits for input
    waitpid(pid, &nStatus, 0);
    struct termios after;  // vaultry-cli gave the terminal its echo back
    EXPECT_TRUE(!WIFEXITED(nStatus) || (tcgetattr(nMaster, &after) == 0 && (after.c_lflag & ECHO)));
    close(nMaster);
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

TEST(CliTerminal, AsksForPasswordsWithoutEcho)
{
    TempFolder folder;
    std::string strDb = folder.Path("db.vty");
    std::string seen;
    // A weak password: the user is asked whether to keep it.
    EXPECT_EQ(RunInTerminal(
                  {"create", strDb},
                  {{"New password: ", "Zebra42\n"}, {"Repeat the new password: ", "Zebra42\n"}, {"? [y/N] ", "y\n"}},
                  seen),
              0);
    EXPECT_EQ(seen.find("Zebra42"), std::string::npos) << seen;
    EXPECT_EQ(ReadDatabaseFile(strDb, "Zebra42").wLocked, 1);

    // Standard input that is the terminal echoes: --password-stdin asks as above.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check", strDb}, {"check", strDb, "--password-stdin"}}) {
        seen.clear();
        EXPECT_EQ(RunInTerminal(args, {{"Password for " + strDb + ": ", "Zebra42\n"}}, seen), 0);
        EXPECT_EQ(seen.find("Zebra42"), std::string::npos) << seen;
        EXPECT_NE(seen.find("a readable Vaultry database, locked, with 0 entries."), std::string::npos) << seen;
    }
    // Ctrl+D at the prompt ends the input: the command stops instead of waiting on.
    seen.clear();
    EXPECT_EQ(RunInTerminal({"check", strDb}, {{"Password for " + strDb + ": ", "\x04"}}, seen), 1);
}

// --words: the passphrase appears on the terminal, and the database takes it
// once it is typed back without echo.
TEST(CliTerminal, ShowsAPassphraseAndTakesItTypedBack)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    std::string seen;
    EXPECT_EQ(RunInTerminal({"create", strDb, "--words", "6"}, {{"Type the passphrase back: ", "$PHRASE\n"}}, seen), 0);
    const std::size_t nAt = seen.find("\n    ") + 5;
    const std::string strPhrase = seen.substr(nAt, seen.find('\r', nAt) - nAt);
    EXPECT_EQ(seen.find(strPhrase, nAt + 1), std::string::npos) << seen;  // not echoed when typed
    EXPECT_EQ(ReadDatabaseFile(strDb, strPhrase.c_str()).wLocked, 1);
}

}  // namespace
