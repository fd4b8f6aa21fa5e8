// Writing and reading the largest database (65,535 entries, about 7 MB) in memory,
// and deciphering its body alone, to see what parsing the records adds.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "database/core/BlowfishStream.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

namespace {

const CString kPassword = "correct horse battery staple";

CMemFile& DatabaseFile()
{
    static CMemFile file;
    if (file.GetLength() == 0) {
        CRandom random;
        WriteDatabase(file, TypicalEntries(), 1, kPassword, random);
    }
    return file;
}

void BM_DatabaseWrite(benchmark::State& state)
{
    const CEntryList& list = TypicalEntries();
    CRandom random;
    ULONGLONG size = 0;
    for (auto _ : state) {
        CMemFile file;
        WriteDatabase(file, list, 1, kPassword, random);
        size = file.GetLength();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_DatabaseWrite)->Unit(benchmark::kMillisecond);

// Header, decipher and parse into a new list, timed in this thread's processor
// time (by the wall clock, the ratio of the two reads jumps from run to run on a
// shared machine) and without freeing the list afterwards. With bParse false only
// the body is deciphered, into a memory file of its size, which is the baseline
// for parsing. Each runs seven rounds, and their medians are compared: one round
// can catch the machine busy.
void ReadDatabase(benchmark::State& state, bool bParse)
{
    CMemFile& file = DatabaseFile();
    for (auto _ : state) {
        CEntryList list;
        const double start = ThreadSeconds();
        DatabaseStatus status = DatabaseStatus::ok;
        if (bParse) {
            DatabaseHeader header;
            status = ReadDatabaseHeader(file, header);
            if (status == DatabaseStatus::ok) status = ReadDatabaseBody(file, header, kPassword, list);
        } else {
            CMemFile plain;
            plain.SetLength(file.GetLength() - kHeaderSize);
            file.Seek(kHeaderSize, CFile::begin);
            DecryptStream(&file, &plain, reinterpret_cast<const BYTE*>(kPassword.GetString()),
                          static_cast<short>(kPassword.GetLength()));
        }
        state.SetIterationTime(ThreadSeconds() - start);
        if (status != DatabaseStatus::ok || list.GetCount() != (bParse ? kMaxEntries : 0))
            state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.GetLength()));
}

void BM_DatabaseDecipherOnly(benchmark::State& state) { ReadDatabase(state, false); }
BENCHMARK(BM_DatabaseDecipherOnly)
    ->UseManualTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_DatabaseRead(benchmark::State& state) { ReadDatabase(state, true); }
BENCHMARK(BM_DatabaseRead)->UseManualTime()->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
