// Runs the benchmarks, then prints the figures that have targets: our Blowfish
// against OpenSSL's, reading with parsing against deciphering alone, and the time
// of a three-way merge of the largest database; and how many password guesses a
// second the file format allows on one core.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// The console output, plus the seconds per iteration of every benchmark by name:
// the median of its repetitions where it has them, else its one run.
class CRecordingReporter : public benchmark::ConsoleReporter {
public:
    CRecordingReporter() : ConsoleReporter(OO_Tabular) {}  // no colour codes in logs

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations <= 0) continue;
            const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || bMedian) {
                m_seconds[run.run_name.str()] = run.real_accumulated_time / static_cast<double>(run.iterations);
                m_cpuSeconds[run.run_name.str()] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            }
        }
    }

    // The first run whose name begins with prefix (names may carry "/manual_time").
    double Seconds(const std::string& prefix) const { return Find(m_seconds, prefix); }
    // The same in processor time: what one core spends, however busy the machine.
    double CpuSeconds(const std::string& prefix) const { return Find(m_cpuSeconds, prefix); }

private:
    static double Find(const std::map<std::string, double>& seconds, const std::string& prefix)
    {
        auto it = seconds.lower_bound(prefix);
        return it != seconds.end() && it->first.compare(0, prefix.size(), prefix) == 0 ? it->second : 0;
    }

    std::map<std::string, double> m_seconds, m_cpuSeconds;
};

void PrintRatio(const char* what, double numerator, double denominator, const char* target)
{
    if (numerator > 0 && denominator > 0) std::printf("%-44s %6.2f   (%s)\n", what, numerator / denominator, target);
}

void PrintMilliseconds(const char* what, double seconds, const char* target)
{
    if (seconds > 0) std::printf("%-44s %6.2f   (%s)\n", what, seconds * 1e3, target);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    CRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    const double openssl = reporter.Seconds("BM_BlowfishOpenSsl");
    PrintRatio("Blowfish blocks, ours vs OpenSSL (speed-up)", openssl, reporter.Seconds("BM_BlowfishOurBlocks"),
               "target >= 1.0, aim 1.3");
    PrintRatio("Blowfish stream, ours vs OpenSSL (speed-up)", openssl, reporter.Seconds("BM_BlowfishOurStream"),
               "target >= 1.0");
    PrintRatio("Database read with parse / decipher only", reporter.Seconds("BM_DatabaseRead"),
               reporter.Seconds("BM_DatabaseDecipherOnly"), "target <= 1.25");
    PrintMilliseconds("Three-way merge, 65,535 entries (ms)", reporter.Seconds("BM_MergeThreeWay"), "target < 50");
    const double guess = reporter.CpuSeconds("BM_PasswordGuess");
    if (guess > 0)
        std::printf("%-44s %6.0f   (one core, our Blowfish: key schedule + one block)\n", "Password guesses a second",
                    1 / guess);
    benchmark::Shutdown();
    return 0;
}
