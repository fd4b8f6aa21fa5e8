// Differential test of the Blowfish engine against OpenSSL's (native builds only).
// OpenSSL reads each 32-bit half of a block big-endian, this program little-endian,
// so every half is byte-reversed on the way into and out of OpenSSL.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "database/core/Blowfish.h"
#include "database/core/BlowfishStream.h"
#include "framework/portable/CMemFile.h"

namespace {

void ReverseHalves(std::vector<BYTE>& data)
{
    for (std::size_t i = 0; i + 4 <= data.size(); i += 4) {
        std::swap(data[i], data[i + 3]);
        std::swap(data[i + 1], data[i + 2]);
    }
}

// OpenSSL's ECB over whole blocks, in this program's byte order; a tail shorter
// than a block is left as it is, as the stream routines leave it.
std::vector<BYTE> OpenSslEcb(const std::vector<BYTE>& key, std::vector<BYTE> data, int enc)
{
    BF_KEY schedule;
    // BF_set_key uses at most the first 72 key bytes, exactly as our schedule does
    // (its 18 words take 72 bytes, cycling only through shorter keys).
    BF_set_key(&schedule, static_cast<int>(key.size()), key.data());
    const std::size_t whole = data.size() / 8 * 8;
    std::vector<BYTE> blocks(data.begin(), data.begin() + whole);
    ReverseHalves(blocks);
    for (std::size_t i = 0; i < whole; i += 8) BF_ecb_encrypt(&blocks[i], &blocks[i], &schedule, enc);
    ReverseHalves(blocks);
    std::copy(blocks.begin(), blocks.end(), data.begin());
    return data;
}

std::vector<BYTE> RunStream(bool bEncipher, const std::vector<BYTE>& key, const std::vector<BYTE>& data)
{
    CMemFile source, dest;
    if (!data.empty()) source.Write(data.data(), static_cast<UINT>(data.size()));
    source.SeekToBegin();
    if (bEncipher) EncryptStream(&source, &dest, key.data(), static_cast<short>(key.size()));
    else DecryptStream(&source, &dest, key.data(), static_cast<short>(key.size()));
    return std::vector<BYTE>(dest.GetData(), dest.GetData() + dest.GetLength());
}

TEST(BlowfishOpenSsl, RandomKeysAndData)
{
    std::mt19937 rng(2001);
    for (int round = 0; round < 300; ++round) {
        std::vector<BYTE> key(1 + round % 100);
        for (BYTE& b : key) b = static_cast<BYTE>(rng());
        std::vector<BYTE> data(rng() % 300);
        for (BYTE& b : data) b = static_cast<BYTE>(rng());
        SCOPED_TRACE(::testing::Message() << "key " << key.size() << " bytes, data " << data.size() << " bytes");

        const std::vector<BYTE> expected = OpenSslEcb(key, data, BF_ENCRYPT);
        const std::vector<BYTE> cipher = RunStream(true, key, data);
        ASSERT_EQ(cipher, expected);
        ASSERT_EQ(RunStream(false, key, data), OpenSslEcb(key, data, BF_DECRYPT));

        std::vector<BYTE> bulk = data;
        BlowfishSetKey(key.data(), static_cast<short>(key.size()));
        BlowfishEncipherBlocks(bulk.data(), bulk.size() / 8);
        ASSERT_EQ(bulk, expected);
    }
}

TEST(BlowfishOpenSsl, KeysLongerThan72BytesUseTheirFirst72)
{
    std::mt19937 rng(72);
    std::vector<BYTE> data(64);
    for (BYTE& b : data) b = static_cast<BYTE>(rng());
    for (std::size_t length : {71u, 72u, 73u, 100u, 1000u, 32767u}) {
        std::vector<BYTE> key(length);
        for (BYTE& b : key) b = static_cast<BYTE>(rng());
        const std::vector<BYTE> first72(key.begin(), key.begin() + std::min<std::size_t>(length, 72));
        EXPECT_EQ(RunStream(true, key, data), OpenSslEcb(first72, data, BF_ENCRYPT)) << length;
    }
}

}  // namespace
