// The Blowfish engine: published known answers through the bulk routines, and
// the stream routines over memory files. The vectors are
// OpenSSL's bftest set-key series, written with each 32-bit half big-endian; this
// program reads each half little-endian.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <random>

#include "MemoryBytes.h"
#include "common/FailingFile.h"
#include "database/core/Blowfish.h"

namespace {

const BYTE* AsBytes(const std::string& s) { return reinterpret_cast<const BYTE*>(s.data()); }

// The bytes of the hex text; with bBlock, a published block in this program's
// byte order: each 4-byte half reversed.
std::string FromHex(const char* hex, bool bBlock = true)
{
    std::string out;
    for (; hex[0] && hex[1]; hex += 2) out += static_cast<char>(std::stoi(std::string(hex, 2), nullptr, 16));
    if (bBlock) {
        std::reverse(out.begin(), out.begin() + 4);
        std::reverse(out.begin() + 4, out.end());
    }
    return out;
}

// 11 copies of the block, so that every lane of the bulk routines' interleaved
// rounds and their single-block tail see it.
void ExpectKnownAnswer(const std::string& key, const std::string& plain, const std::string& cipher)
{
    BlowfishSetKey(AsBytes(key), static_cast<short>(key.size()));
    std::string copies;
    for (int i = 0; i < 11; ++i) copies += plain;
    BlowfishEncipherBlocks(reinterpret_cast<BYTE*>(&copies[0]), 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(copies.substr(8 * i, 8), cipher) << "block " << i;
    BlowfishDecipherBlocks(reinterpret_cast<BYTE*>(&copies[0]), 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(copies.substr(8 * i, 8), plain) << "block " << i;
}

TEST(Blowfish, KnownAnswers)
{
    // One plaintext under the first n bytes of one key, n = 1 ... 24.
    const std::string key = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677", false);
    const char* const cipher[24] = {
        "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05", "B39E44481BDB1E6E",
        "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82", "15750E7A4F4EC577", "122BA70B3AB64AE0",
        "3A833C9AFFC537F6", "9409DA87A90F6BF2", "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F",
        "93142887EE3BE15C", "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
        "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
    };
    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE(n);
        ExpectKnownAnswer(key.substr(0, n), FromHex("FEDCBA9876543210"), FromHex(cipher[n - 1]));
    }
}

const CString kKey = "stream key";

// The stream from the source's position 3 into a destination that holds 3 bytes.
std::string Stream(bool bEncipher, const std::string& input)
{
    CMemFile source, dest;
    LoadBytes(source, "src" + input);
    source.Seek(3, CFile::begin);
    LoadBytes(dest, "dst");
    dest.SeekToEnd();
    (bEncipher ? EncryptStream : DecryptStream)(&source, &dest, AsBytes(kKey.GetString()), kKey.GetLength());
    EXPECT_EQ(source.GetPosition(), input.size() + 3);
    const std::string out = FileBytes(dest);
    EXPECT_EQ(out.substr(0, 3), "dst");
    return out.substr(3);
}

// Whole blocks as the bulk routine enciphers them, a shorter tail copied as it
// is, at lengths around the block and the stream's 8,192-byte chunk.
TEST(BlowfishStream, EnciphersWholeBlocksAndCopiesTheTail)
{
    std::mt19937 rng(1);
    for (std::size_t n : {0u, 1u, 7u, 8u, 9u, 16u, 8191u, 8192u, 8199u, 8200u, 20003u}) {
        SCOPED_TRACE(n);
        std::string plain(n, '\0');
        for (char& c : plain) c = static_cast<char>(rng());
        std::string expected = plain;
        BlowfishSetKey(AsBytes(kKey.GetString()), kKey.GetLength());
        BlowfishEncipherBlocks(reinterpret_cast<BYTE*>(&expected[0]), n / 8);
        const std::string cipher = Stream(true, plain);
        EXPECT_EQ(cipher, expected);  // the bulk routine leaves the tail as it is
        EXPECT_EQ(Stream(false, cipher), plain);
    }
}

// The working tables would decipher any file of the last key without it: every
// stream operation leaves them zeroed, also when a file fails part-way.
TEST(BlowfishStream, TablesAreZeroedAfterEveryOperation)
{
    const struct {
        bool bEncipher;
        ULONGLONG nSourceFailsAt, nDestFailsAt;
    } cases[] = {{true, ~0ULL, ~0ULL}, {false, ~0ULL, ~0ULL}, {false, 100, ~0ULL}, {true, ~0ULL, 100}};
    for (const auto& c : cases) {
        CMemFile source, dest;
        LoadBytes(source, std::string(20000, 'p'));
        CFailingFile failingSource(source, c.nSourceFailsAt), failingDest(dest, c.nDestFailsAt);
        try {
            (c.bEncipher ? EncryptStream : DecryptStream)(&failingSource, &failingDest, AsBytes("key"), 3);
        } catch (const CFileException&) {}
        EXPECT_TRUE(std::all_of(g_BlowfishP, g_BlowfishP + 18, [](DWORD w) { return w == 0; }));
        EXPECT_TRUE(std::all_of(&g_BlowfishS[0][0], &g_BlowfishS[3][255] + 1, [](DWORD w) { return w == 0; }));
    }
}

// The reader that deciphers as it goes holds a chunk of cleartext: when it goes,
// its buffer and the tables are zeroed.
TEST(BlowfishStream, DecipheringFileLeavesNoCleartext)
{
    const std::string plain = "the cleartext of a whole database body, block by block.";
    CMemFile source;
    LoadBytes(source, Stream(true, plain));
    alignas(CDecipheringFile) unsigned char storage[sizeof(CDecipheringFile)];
    CDecipheringFile* pFile = new (storage) CDecipheringFile(source, AsBytes(kKey.GetString()), kKey.GetLength());
    char first[8];
    EXPECT_EQ(pFile->Read(first, 8), 8u);
    EXPECT_EQ(std::string(first, 8), plain.substr(0, 8));
    pFile->~CDecipheringFile();
    EXPECT_EQ(std::search(storage, storage + sizeof storage, plain.begin() + 8, plain.begin() + 16),
              storage + sizeof storage);
    EXPECT_TRUE(std::all_of(g_BlowfishP, g_BlowfishP + 18, [](DWORD w) { return w == 0; }));
}

}  // namespace
