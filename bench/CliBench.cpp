// vaultry-cli on the largest database (65,535 entries, locked): ls, ls --json,
// search and audit, run in-process with their output counted and dropped.
// Prints the seconds of each, the best of three runs.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "database/core/SafeDatabaseWriter.h"

namespace {

class CNoTerminal : public CPasswordTerminal {
public:
    TerminalRead ReadHidden(LPCTSTR, CString&) override { return TerminalRead::noTerminal; }
    TerminalRead ReadShown(LPCTSTR, CString&) override { return TerminalRead::noTerminal; }
    BOOL StandardInputIsTerminal() override { return FALSE; }
};

// Counts what is written and keeps none of it.
class CCountingBuf : public std::streambuf {
public:
    std::size_t nBytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        nBytes += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type ch) override
    {
        ++nBytes;
        return traits_type::not_eof(ch);
    }
};

// Entries of typical shape; one password in a hundred is used twice.
CEntryList MakeEntries()
{
    CEntryList list;
    unsigned seed = 7;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < kMaxEntries; ++i) {
        CString strFor, strUser, strPassword, strNotes;
        strFor.Format("Site %05d example.com", i);
        strUser.Format("user%u@mail.example", next() % 100000);
        for (int c = 0; c < 16; ++c) strPassword += static_cast<char>('!' + (next() >> 16) % 94);
        if (i % 100 == 1) strPassword = list.ElementAt(i - 1).m_strPassword;
        strNotes.Format("Account number %u, opened in %u", next() % 1000000, 1990 + next() % 35);
        list.Add(CEntry(strFor, strUser, strPassword, strNotes));
    }
    return list;
}

double RunSeconds(const std::vector<std::string>& args, std::size_t& nBytes, int& nCode)
{
    std::vector<const char*> argv{"vaultry-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    CliEnvironment environment;
    environment.strArguments = environment.strStreams = "UTF-8";
    environment.strCodePage = "1252";
    double dBest = 1e9;
    for (int nRun = 0; nRun < 3; ++nRun) {
        std::istringstream in("benchmark password\n");
        CCountingBuf outBuf, errBuf;
        std::ostream out(&outBuf), err(&errBuf);
        CNoTerminal terminal;
        const auto start = std::chrono::steady_clock::now();
        nCode = RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err, terminal, environment);
        dBest = std::min(dBest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        nBytes = outBuf.nBytes;
    }
    return dBest;
}

}  // namespace

int main()
{
    const std::string strDb = (std::filesystem::temp_directory_path() / "vaultry-cli-bench.vty").string();
    std::filesystem::remove(strDb);
    if (SaveDatabaseFile(strDb.c_str(), MakeEntries(), 1, "benchmark password") != DatabaseStatus::ok) return 1;
    std::printf("vaultry-cli on %d entries (%ju bytes), best of 3 runs in-process:\n", kMaxEntries,
                static_cast<std::uintmax_t>(std::filesystem::file_size(strDb)));
    const std::vector<std::vector<std::string>> commands = {
        {"ls", strDb, "--password-stdin"},
        {"ls", strDb, "--json", "--password-stdin"},
        {"search", strDb, "EXAMPLE.COM", "--password-stdin"},
        {"search", strDb, "no such text", "--password-stdin"},
        {"audit", strDb, "--password-stdin"},
        {"audit", strDb, "--json", "--password-stdin"},
    };
    for (const std::vector<std::string>& args : commands) {
        std::size_t nBytes = 0;
        int nCode = 0;
        const double dSeconds = RunSeconds(args, nBytes, nCode);
        std::string strName = args[0];
        for (std::size_t i = 2; i + 1 < args.size(); ++i) strName += " " + args[i];
        std::printf("  %-30s %6.3f s   (exit %d, %zu bytes of output)\n", strName.c_str(), dSeconds, nCode, nBytes);
    }
    std::filesystem::remove(strDb);
    return 0;
}
