// Known-answer tests of the Blowfish engine. The vectors are OpenSSL's bftest
// vectors (test/bftest.c in the OpenSSL sources): the 34 ECB key/plaintext/
// ciphertext triples and the set-key series with keys of 1 to 24 bytes. They are
// written, as usual, with each 32-bit half big-endian; this program reads each
// half little-endian, so the block buffers below hold every 4-byte half reversed.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "database/core/Blowfish.h"

namespace {

struct EcbVector {
    const char* key;
    const char* plain;
    const char* cipher;
};

const EcbVector kEcbVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

// The set-key series: plaintext FEDCBA9876543210 under the first n bytes of one
// key, n = 1 ... 24.
const char kSetKeyKey[] = "F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677";
const char kSetKeyPlain[] = "FEDCBA9876543210";
const char* const kSetKeyCipher[24] = {
    "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05", "B39E44481BDB1E6E",
    "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82", "15750E7A4F4EC577", "122BA70B3AB64AE0",
    "3A833C9AFFC537F6", "9409DA87A90F6BF2", "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F",
    "93142887EE3BE15C", "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
    "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
};

std::string FromHex(const char* hex)
{
    std::string out;
    for (; hex[0] && hex[1]; hex += 2) out += static_cast<char>(std::stoi(std::string(hex, 2), nullptr, 16));
    return out;
}

const BYTE* AsBytes(const std::string& s) { return reinterpret_cast<const BYTE*>(s.data()); }

DWORD BigEndian(const std::string& s, int at)
{
    const BYTE* p = AsBytes(s) + at;
    return static_cast<DWORD>(p[0]) << 24 | static_cast<DWORD>(p[1]) << 16 | static_cast<DWORD>(p[2]) << 8 | p[3];
}

// A published block in this program's byte order: each 4-byte half reversed.
std::string OurOrder(const std::string& block)
{
    std::string out = block;
    std::swap(out[0], out[3]);
    std::swap(out[1], out[2]);
    std::swap(out[4], out[7]);
    std::swap(out[5], out[6]);
    return out;
}

void ExpectOneBlock(const std::string& key, const std::string& plain, const std::string& cipher)
{
    BlowfishSetKey(AsBytes(key), static_cast<short>(key.size()));
    DWORD l = BigEndian(plain, 0), r = BigEndian(plain, 4);
    BlowfishEncipher(&l, &r);
    EXPECT_EQ(l, BigEndian(cipher, 0));
    EXPECT_EQ(r, BigEndian(cipher, 4));
    BlowfishDecipher(&l, &r);
    EXPECT_EQ(l, BigEndian(plain, 0));
    EXPECT_EQ(r, BigEndian(plain, 4));

    // The bulk routines, on 11 copies of the block so that every lane of the
    // interleaved rounds and the single-block tail see it.
    std::string buffer;
    for (int i = 0; i < 11; ++i) buffer += OurOrder(plain);
    BYTE* data = reinterpret_cast<BYTE*>(&buffer[0]);
    BlowfishEncipherBlocks(data, 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(buffer.substr(8 * i, 8), OurOrder(cipher)) << "block " << i;
    BlowfishDecipherBlocks(data, 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(buffer.substr(8 * i, 8), OurOrder(plain)) << "block " << i;
}

TEST(BlowfishVectors, EcbTriples)
{
    for (const EcbVector& v : kEcbVectors) {
        SCOPED_TRACE(v.key);
        ExpectOneBlock(FromHex(v.key), FromHex(v.plain), FromHex(v.cipher));
    }
}

TEST(BlowfishVectors, SetKeySeries)
{
    const std::string key = FromHex(kSetKeyKey);
    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE(n);
        ExpectOneBlock(key.substr(0, n), FromHex(kSetKeyPlain), FromHex(kSetKeyCipher[n - 1]));
    }
}

TEST(BlowfishVectors, ByteOrderOfTheBulkRoutines)
{
    // 01 23 45 67 89 AB CD EF read as halves 0x67452301 and 0xEFCDAB89.
    const BYTE block[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    EXPECT_EQ(BytesToLong(block), 0x67452301u);
    EXPECT_EQ(BytesToLong(block + 4), 0xEFCDAB89u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(LongByte(0x67452301u, i), block[i]);
    EXPECT_EQ(LongByte(0x67452301u, 4), 0x01);
    EXPECT_EQ(LongByte(0x67452301u, -1), 0x01);
}

// Every lane of the interleaved bulk routines must give what the one-block
// routine gives for its own data, for any count of blocks.
TEST(BlowfishVectors, BulkRoutinesMatchSingleBlocks)
{
    const BYTE key[] = "bulk and single";
    BlowfishSetKey(key, 15);
    std::mt19937 rng(7);
    for (std::size_t nBlocks = 0; nBlocks <= 37; ++nBlocks) {
        std::vector<BYTE> data(8 * nBlocks + 1);
        for (BYTE& b : data) b = static_cast<BYTE>(rng());
        const std::vector<BYTE> original = data;
        BlowfishEncipherBlocks(data.data(), nBlocks);
        for (std::size_t i = 0; i < nBlocks; ++i) {
            DWORD l = BytesToLong(&original[8 * i]), r = BytesToLong(&original[8 * i + 4]);
            BlowfishEncipher(&l, &r);
            ASSERT_EQ(BytesToLong(&data[8 * i]), l) << nBlocks << " blocks, block " << i;
            ASSERT_EQ(BytesToLong(&data[8 * i + 4]), r) << nBlocks << " blocks, block " << i;
        }
        EXPECT_EQ(data.back(), original.back()) << "byte after the blocks changed";
        BlowfishDecipherBlocks(data.data(), nBlocks);
        ASSERT_EQ(data, original) << nBlocks << " blocks";
    }
}

}  // namespace
