// Merging two versions of the largest database that differ from their ancestor by a
// few hundred entries each, in memory: three-way, and two-way without the ancestor.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "database/core/EntryMerge.h"

namespace {

// The database side changes every 300th password (219) and adds 50 entries among
// the others; the other side deletes every 400th entry (164) and adds 100 at its end.
struct CMergeInput {
    CEntryList base, database, other;
};

const CMergeInput& Input()
{
    static const CMergeInput input = [] {
        CMergeInput in;
        in.base = TypicalEntries();
        for (int i = 0; i < in.base.GetCount(); ++i) {
            CEntry entry = in.base.GetAt(i);
            if (i % 400 != 7) in.other.Add(entry);
            if (i % 300 == 0) entry.m_strPassword += "!";
            in.database.Add(entry);
            if (i % 1300 == 650) in.database.Add(CEntry("added here", std::to_string(i).c_str(), "pw", ""));
        }
        for (int i = 0; i < 100; ++i) in.other.Add(CEntry("added there", std::to_string(i).c_str(), "pw", ""));
        return in;
    }();
    return input;
}

// Timed in processor time, the result's freeing included; seven rounds, of which
// the median counts.
void Merge(benchmark::State& state, const CEntryList* pBase)
{
    const CMergeInput& in = Input();
    for (auto _ : state) {
        const double start = ThreadSeconds();
        {
            const MergeResult result = MergeEntries(in.database, in.other, pBase);
            if (result.method != (pBase ? MergeMethod::threeWay : MergeMethod::twoWay) || result.bEqualsDatabase)
                state.SkipWithError("merge failed");
        }
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

void BM_MergeThreeWay(benchmark::State& state) { Merge(state, &Input().base); }
BENCHMARK(BM_MergeThreeWay)->UseManualTime()->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_MergeTwoWay(benchmark::State& state) { Merge(state, nullptr); }
BENCHMARK(BM_MergeTwoWay)->UseManualTime()->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
