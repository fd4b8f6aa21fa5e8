// Writing and reading the largest database (65,535 entries, about 7 MB) in memory,
// and deciphering its body alone, to see what parsing the records adds.
#include <benchmark/benchmark.h>

#include <ctime>

#include "database/core/BlowfishStream.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

namespace {

const CString kPassword = "correct horse battery staple";

CString Text(std::uint32_t& seed, int length)
{
    CString s;
    char* p = s.GetBuffer(length);
    for (int i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        p[i] = static_cast<char>(' ' + (seed >> 24) % 95);
    }
    s.ReleaseBuffer(length);
    return s;
}

// Entries of typical shape: a name, a user, a password and a line of notes.
const CEntryList& Entries()
{
    static CEntryList list = [] {
        CEntryList l;
        std::uint32_t seed = 1;
        for (int i = 0; i < kMaxEntries; ++i) {
            CEntry e;
            e.m_strFor = Text(seed, 12 + i % 17);
            e.m_strUsername = Text(seed, 8 + i % 9);
            e.m_strPassword = Text(seed, 16);
            e.m_strNotes = Text(seed, 40 + i % 31);
            l.Add(e);
        }
        return l;
    }();
    return list;
}

CMemFile& DatabaseFile()
{
    static CMemFile file;
    if (file.GetLength() == 0) {
        CRandom random;
        WriteDatabase(file, Entries(), 1, kPassword, random);
    }
    return file;
}

// The reads are timed in this thread's processor time, not by the wall clock: on
// a shared machine the wall clock counts other programs' turns, and the ratio of
// the two reads jumps from run to run; processor time counts only the work.
double ThreadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}


void BM_DatabaseWrite(benchmark::State& state)
{
    const CEntryList& list = Entries();
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

// Header, decipher and parse into a new list, timed without freeing the list
// afterwards. With bParse false only the body is deciphered, into a memory file
// of its size, which is the baseline for parsing. Each runs seven rounds, and
// their medians are compared: one round can catch the machine busy.
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
