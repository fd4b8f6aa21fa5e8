// Blowfish ECB throughput on the same 1 MiB: our bulk routine, our stream routine
// between memory files (with its key set-up), and OpenSSL's BF_ecb_encrypt. And
// what one guess at a database's password costs.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <benchmark/benchmark.h>

#include <vector>

#include "database/core/Blowfish.h"
#include "database/core/BlowfishStream.h"
#include "framework/portable/CMemFile.h"

namespace {

const std::size_t kBytes = 1 << 20;
const BYTE kKey[] = "benchmark key";
const short kKeyLength = 13;

std::vector<BYTE> Data()
{
    std::vector<BYTE> data(kBytes);
    for (std::size_t i = 0; i < kBytes; ++i) data[i] = static_cast<BYTE>(i * 131 + (i >> 8));
    return data;
}

void BM_BlowfishOurBlocks(benchmark::State& state)
{
    std::vector<BYTE> data = Data();
    BlowfishSetKey(kKey, kKeyLength);
    for (auto _ : state) {
        BlowfishEncipherBlocks(data.data(), data.size() / 8);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_BlowfishOurBlocks);

void BM_BlowfishOurStream(benchmark::State& state)
{
    const std::vector<BYTE> data = Data();
    CMemFile source, dest;
    source.Write(data.data(), kBytes);
    dest.SetLength(kBytes);
    for (auto _ : state) {
        source.SeekToBegin();
        dest.SeekToBegin();
        EncryptStream(&source, &dest, kKey, kKeyLength);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_BlowfishOurStream);

void BM_BlowfishOpenSsl(benchmark::State& state)
{
    std::vector<BYTE> data = Data();
    BF_KEY key;
    BF_set_key(&key, kKeyLength, kKey);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kBytes; i += 8) BF_ecb_encrypt(&data[i], &data[i], &key, BF_ENCRYPT);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_BlowfishOpenSsl);

// One guess of an attacker who has a locked database: the key schedule for the
// guessed password, then the first block of the body deciphered, whose record
// lengths tell nearly every wrong password at once. The format has no key
// stretching, so this is all a guess costs.
void BM_PasswordGuess(benchmark::State& state)
{
    BYTE guess[] = "guess-00000000";
    const short nLength = sizeof guess - 1;
    DWORD dwSeen = 0;
    for (auto _ : state) {
        for (int i = nLength - 1; i >= 0 && ++guess[i] > '9'; --i) guess[i] = '0';
        BlowfishSetKey(guess, nLength);
        DWORD xl = 0x5d1f3a77, xr = 0x0c94e2b8;
        BlowfishDecipher(&xl, &xr);
        dwSeen ^= xl;
        benchmark::DoNotOptimize(dwSeen);
    }
    BlowfishClear();
    state.counters["guesses/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PasswordGuess);

}  // namespace
