// audit --breached on 1,000 entries against a breach list of 10 million lines
// (about 440 MB) that it makes in a temporary folder and deletes afterwards:
// half the passwords are in the list. Prints the seconds of audit with and
// without the list, the best of three runs in-process, and what it found.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/RunCli.h"
#include "cli/base/Digest.h"
#include "database/core/SafeDatabaseWriter.h"

namespace {

const int kEntries = 1000;
const unsigned long long kLines = 10000000;
const char kHex[] = "0123456789ABCDEF";

class CNoTerminal : public CPasswordTerminal {
public:
    TerminalRead ReadHidden(LPCTSTR, CString&) override { return TerminalRead::noTerminal; }
    TerminalRead ReadShown(LPCTSTR, CString&) override { return TerminalRead::noTerminal; }
    BOOL StandardInputIsTerminal() override { return FALSE; }
};

std::string Sha1Hex(const std::string& text)
{
    BYTE digest[kSha1Size];
    ComputeDigest(DigestAlgorithm::sha1, text.data(), text.size(), digest);
    std::string hex;
    for (BYTE b : digest) hex += std::string{kHex[b >> 4], kHex[b & 15]};
    return hex;
}

// The list: made-up hashes spread evenly over all hashes, with the hashes of the
// passwords that are to be found merged in, each line "HASH:COUNT" and CR LF.
bool WriteList(const std::string& strPath, std::vector<std::string> found)
{
    std::sort(found.begin(), found.end());
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile) return false;
    std::string buffer;
    buffer.reserve(1 << 22);
    unsigned long long nSeed = 88172645463325252ull;
    std::size_t nFound = 0;
    const unsigned long long nStep = ~0ull / kLines;
    for (unsigned long long i = 0; i < kLines; ++i) {
        nSeed ^= nSeed << 13, nSeed ^= nSeed >> 7, nSeed ^= nSeed << 17;
        char line[48];
        const unsigned long long nHigh = i * nStep + nSeed % nStep;
        for (int d = 0; d < 16; ++d) line[d] = kHex[nHigh >> (60 - 4 * d) & 15];
        for (int d = 16; d < 40; ++d) line[d] = kHex[nSeed >> (4 * (d - 16) % 64) & 15];
        const std::string strHash(line, 40);
        for (; nFound < found.size() && found[nFound] < strHash; ++nFound) buffer += found[nFound] + ":42\r\n";
        buffer += strHash + ":" + std::to_string(nSeed % 999 + 1) + "\r\n";
        if (buffer.size() > (1 << 22) - 64) {
            std::fwrite(buffer.data(), 1, buffer.size(), pFile);
            buffer.clear();
        }
    }
    for (; nFound < found.size(); ++nFound) buffer += found[nFound] + ":42\r\n";
    std::fwrite(buffer.data(), 1, buffer.size(), pFile);
    return std::fclose(pFile) == 0;
}

double RunSeconds(const std::vector<std::string>& args, std::string& strOut)
{
    std::vector<const char*> argv{"vaultry-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    CliEnvironment environment;
    environment.strArguments = environment.strStreams = "UTF-8";
    environment.strCodePage = "1252";
    double dBest = 1e9;
    for (int nRun = 0; nRun < 3; ++nRun) {
        std::istringstream in("benchmark password\n");
        std::ostringstream out, err;
        CNoTerminal terminal;
        const auto start = std::chrono::steady_clock::now();
        RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err, terminal, environment);
        dBest = std::min(dBest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        strOut = out.str();
    }
    return dBest;
}

}  // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "vaultry-breach-bench";
    fs::remove_all(folder);
    fs::create_directory(folder);
    const std::string strDb = (folder / "bench.vty").string(), strList = (folder / "pwned.txt").string();
    CEntryList list;
    std::vector<std::string> found;
    for (int i = 0; i < kEntries; ++i) {
        CString strFor, strPassword;
        strFor.Format("Site %04d", i);
        strPassword.Format("bench password %d of %d", i, kEntries);
        if (i % 2 == 0) found.push_back(Sha1Hex(strPassword.GetString()));
        list.Add(CEntry(strFor, "user", strPassword, ""));
    }
    const auto start = std::chrono::steady_clock::now();
    if (!WriteList(strList, found) ||
        SaveDatabaseFile(strDb.c_str(), list, 1, "benchmark password") != DatabaseStatus::ok) {
        std::printf("could not write the files in %s\n", folder.string().c_str());
        fs::remove_all(folder);
        return 1;
    }
    const double dMade = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("audit --breached: %d entries against a list of %llu lines (%.0f MB, made in %.1f s), best of 3 "
                "runs in-process:\n",
                kEntries, kLines, static_cast<double>(fs::file_size(strList)) / 1e6, dMade);
    std::string strOut;
    const double dPlain = RunSeconds({"audit", strDb, "--json", "--password-stdin"}, strOut);
    const double dBreached = RunSeconds({"audit", strDb, "--json", "--password-stdin", "--breached", strList}, strOut);
    int nBreached = 0;
    const nlohmann::json report = nlohmann::json::parse(strOut);
    for (const auto& item : report["findings"]) nBreached += item.value("breached", 0) > 0;
    std::printf("  %-30s %6.3f s\n", "audit", dPlain);
    std::printf("  %-30s %6.3f s   (%d of %d passwords found; %.3f ms per password for the list)\n", "audit --breached",
                dBreached, nBreached, kEntries, (dBreached - dPlain) * 1000 / kEntries);
    fs::remove_all(folder);
    return 0;
}
