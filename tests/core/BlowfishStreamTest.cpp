// EncryptStream and DecryptStream over memory files: ECB over whole blocks from
// the source's position, an unchanged tail, output at the destination's position.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DatabaseFiles.h"
#include "database/core/Blowfish.h"

namespace {

const CString kKey = "stream key";

Bytes Pattern(std::size_t n, unsigned seed = 1)
{
    std::mt19937 rng(seed);
    Bytes out(n);
    for (BYTE& b : out) b = static_cast<BYTE>(rng());
    return out;
}

Bytes StreamThrough(bool bEncipher, const Bytes& input, const CString& key)
{
    CMemFile source, dest;
    LoadBytes(source, input);
    const BYTE* k = reinterpret_cast<const BYTE*>(key.GetString());
    int result = bEncipher ? EncryptStream(&source, &dest, k, static_cast<short>(key.GetLength()))
                           : DecryptStream(&source, &dest, k, static_cast<short>(key.GetLength()));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(source.GetPosition(), input.size());
    return FileBytes(dest);
}

Bytes Encipher(const Bytes& input, const CString& key = kKey) { return StreamThrough(true, input, key); }
Bytes Decipher(const Bytes& input, const CString& key = kKey) { return StreamThrough(false, input, key); }

Bytes EncipherBlocks(Bytes data, const CString& key = kKey)
{
    BlowfishSetKey(reinterpret_cast<const BYTE*>(key.GetString()), static_cast<short>(key.GetLength()));
    BlowfishEncipherBlocks(data.data(), data.size() / 8);
    return data;
}

// Lengths around the block size and around the routine's internal chunk size.
TEST(BlowfishStream, WholeBlocksEncipheredTailCopied)
{
    for (std::size_t n : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 15u, 16u, 8191u, 8192u, 8199u, 8200u, 20003u}) {
        SCOPED_TRACE(n);
        const Bytes plain = Pattern(n);
        const Bytes cipher = Encipher(plain);
        ASSERT_EQ(cipher.size(), n);
        const std::size_t whole = n / 8 * 8;
        EXPECT_TRUE(std::equal(plain.begin() + whole, plain.end(), cipher.begin() + whole)) << "tail changed";
        EXPECT_EQ(cipher, EncipherBlocks(plain));
        if (whole) {
            EXPECT_NE(Bytes(cipher.begin(), cipher.begin() + 8), Bytes(plain.begin(), plain.begin() + 8));
        }
        EXPECT_EQ(Decipher(cipher), plain);
    }
}

TEST(BlowfishStream, StartsAtTheSourcePositionAndWritesAtTheDestinationPosition)
{
    const Bytes data = Pattern(3 + 21);
    CMemFile source, dest;
    LoadBytes(source, data);
    source.Seek(3, CFile::begin);
    const Bytes header = {'H', 'D', 'R'};
    LoadBytes(dest, header);
    dest.SeekToEnd();
    EncryptStream(&source, &dest, reinterpret_cast<const BYTE*>(kKey.GetString()),
                  static_cast<short>(kKey.GetLength()));

    const Bytes expected = EncipherBlocks(Bytes(data.begin() + 3, data.end()));
    Bytes out = FileBytes(dest);
    ASSERT_EQ(out.size(), 3u + 21u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 3), header);
    EXPECT_EQ(Bytes(out.begin() + 3, out.end()), expected);
}

TEST(BlowfishStream, SourceAtItsEndGivesNoOutput)
{
    CMemFile source, dest;
    LoadBytes(source, Pattern(16));
    source.SeekToEnd();
    EncryptStream(&source, &dest, reinterpret_cast<const BYTE*>(kKey.GetString()), 10);
    EXPECT_EQ(dest.GetLength(), 0u);
}

TEST(BlowfishStream, EqualBlocksGiveEqualCiphertext)
{
    Bytes plain = Pattern(8);
    plain.insert(plain.end(), plain.begin(), plain.end());
    const Bytes cipher = Encipher(plain);
    EXPECT_EQ(Bytes(cipher.begin(), cipher.begin() + 8), Bytes(cipher.begin() + 8, cipher.end()));
}

TEST(BlowfishStream, KeysAgreeingInTheirFirst72BytesGiveTheSameOutput)
{
    const Bytes plain = Pattern(40);
    CString key72;
    for (int i = 0; i < 72; ++i) key72 += static_cast<char>('!' + i);
    EXPECT_EQ(Encipher(plain, key72 + "tail"), Encipher(plain, key72));
    EXPECT_EQ(Encipher(plain, key72 + "other tail"), Encipher(plain, key72));
    EXPECT_NE(Encipher(plain, key72.Left(71)), Encipher(plain, key72));
    // The key bytes are taken cyclically, so a key written twice in a row is the same key.
    EXPECT_EQ(Encipher(plain, "secret" "secret"), Encipher(plain, "secret"));
    EXPECT_EQ(Encipher(plain, "x"), Encipher(plain, "xxxxxxxx"));
    EXPECT_NE(Encipher(plain, "secret" "secreT"), Encipher(plain, "secret"));
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
        LoadBytes(source, Pattern(20000));
        CFailingFile failingSource(source, c.nSourceFailsAt), failingDest(dest, c.nDestFailsAt);
        const BYTE* k = reinterpret_cast<const BYTE*>(kKey.GetString());
        try {
            (c.bEncipher ? EncryptStream : DecryptStream)(&failingSource, &failingDest, k, 10);
        } catch (const CFileException&) {
        }
        const BYTE* p = reinterpret_cast<const BYTE*>(g_BlowfishP);
        const BYTE* s = reinterpret_cast<const BYTE*>(g_BlowfishS);
        EXPECT_TRUE(std::all_of(p, p + sizeof g_BlowfishP, [](BYTE b) { return b == 0; }));
        EXPECT_TRUE(std::all_of(s, s + sizeof g_BlowfishS, [](BYTE b) { return b == 0; }));
    }
}

}  // namespace
