#include <benchmark/benchmark.h>

#include <vector>

#include "database/Blowfish.h"

static void BM_EncipherBlocks(benchmark::State& state)
{
    std::vector<BYTE> data(1 << 20, 0x5A);
    const BYTE key[] = "benchmark key";
    BlowfishSetKey(key, 13);
    for (auto _ : state) {
        BlowfishEncipherBlocks(data.data(), data.size() / 8);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}
BENCHMARK(BM_EncipherBlocks);
BENCHMARK_MAIN();
