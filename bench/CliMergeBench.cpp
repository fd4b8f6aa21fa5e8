// vaultry-cli merge as a whole process: two copies of a 65,000-entry locked
// database that differ from their ancestor by a few hundred entries each, merged
// three-way (three files read and deciphered, one enciphered, saved and read
// back). Runs the built program seven times on a fresh copy and prints the median
// wall-clock time, and the median processor time of the process, which other
// programs' turns on a shared machine leave out.
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "database/core/SafeDatabaseWriter.h"

namespace {

const int kEntries = 65000;
const char kPassword[] = "benchmark password";

double ChildProcessorSeconds()
{
    rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// As the merge benchmark of the core: the database side changes every 300th
// password and adds 50 entries among the others; the other side deletes every
// 400th entry and adds 100 at its end.
bool WriteInputs(const std::filesystem::path& folder)
{
    CEntryList base, database, other;
    for (int i = 0; i < kEntries; ++i) {
        CEntry entry = TypicalEntries().GetAt(i);
        base.Add(entry);
        if (i % 400 != 7) other.Add(entry);
        if (i % 300 == 0) entry.m_strPassword += "!";
        database.Add(entry);
        if (i % 1300 == 650) database.Add(CEntry("added here", std::to_string(i).c_str(), "pw", ""));
    }
    for (int i = 0; i < 100; ++i) other.Add(CEntry("added there", std::to_string(i).c_str(), "pw", ""));
    const std::pair<const char*, const CEntryList*> files[] = {
        {"base.vty", &base}, {"database.vty", &database}, {"other.vty", &other}};
    for (const auto& file : files)
        if (SaveDatabaseFile((folder / file.first).string().c_str(), *file.second, 1, kPassword) != DatabaseStatus::ok)
            return false;
    std::FILE* pFile = std::fopen((folder / "password").string().c_str(), "w");
    if (!pFile) return false;
    std::fputs(kPassword, pFile);
    std::fclose(pFile);
    return chmod((folder / "password").string().c_str(), 0600) == 0;
}

}  // namespace

int main()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vaultry-cli-merge-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    if (!WriteInputs(folder)) return 1;
    const std::string strCommand = "'" VAULTRY_CLI_PATH "' merge '" + (folder / "merged.vty").string() + "' '" +
                                   (folder / "other.vty").string() + "' --base '" + (folder / "base.vty").string() +
                                   "' --password-file '" + (folder / "password").string() + "' -q";
    std::vector<double> wall, processor;
    for (int nRun = 0; nRun < 7; ++nRun) {
        std::filesystem::copy_file(folder / "database.vty", folder / "merged.vty",
                                   std::filesystem::copy_options::overwrite_existing);
        const double dProcessorBefore = ChildProcessorSeconds();
        const auto start = std::chrono::steady_clock::now();
        const int nStatus = std::system(strCommand.c_str());
        wall.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        processor.push_back(ChildProcessorSeconds() - dProcessorBefore);
        if (nStatus != 0) {
            std::fprintf(stderr, "vaultry-cli merge failed (status %d)\n", nStatus);
            return 1;
        }
    }
    std::printf("vaultry-cli merge, %d-entry copies with a few hundred differences (%ju bytes each), three-way:\n"
                "  %-42s %6.3f s   (target well under 1 s)\n  %-42s %6.3f s\n",
                kEntries, static_cast<std::uintmax_t>(std::filesystem::file_size(folder / "base.vty")),
                "whole process, median of 7 (wall clock)", Median(wall), "its processor time, median of 7",
                Median(processor));
    std::filesystem::remove_all(folder);
    return 0;
}
