// Writing databases: byte-exact small files, the string length prefixes, the
// writer's refusals, and a full-size round trip.
#include <gtest/gtest.h>

#include <random>

#include "DatabaseFiles.h"
#include "database/core/Blowfish.h"

namespace {

const Bytes kUnlockedEmptyHeader = {'V', 'A', 'U', 'L', 'T', 'R', 'Y', 1, 0, 1, 0, 0, 0, 0, 0};

// Deciphers one 8-byte block in this program's byte order with the one-block
// routine, apart from the stream code that wrote it.
Bytes DecipherBlock(const BYTE* block, const CString& key = kBuiltInKey)
{
    BlowfishSetKey(reinterpret_cast<const BYTE*>(key.GetString()), static_cast<short>(key.GetLength()));
    DWORD l = BytesToLong(block), r = BytesToLong(block + 4);
    BlowfishDecipher(&l, &r);
    Bytes out;
    for (DWORD v : {l, r})
        for (int i = 0; i < 4; ++i) out.push_back(LongByte(v, i));
    return out;
}

TEST(CodecWrite, EmptyUnlockedDatabaseIs25Bytes)
{
    CMemFile file;
    CFixedRandom random;
    ASSERT_EQ(WriteDatabase(file, CEntryList(), 0, kBuiltInKey, random), DatabaseStatus::ok);
    const Bytes bytes = FileBytes(file);
    ASSERT_EQ(bytes.size(), 25u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 15), kUnlockedEmptyHeader);
    // Ten filler bytes: one enciphered block, then two in the clear.
    EXPECT_EQ(DecipherBlock(&bytes[15]), (Bytes{0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7}));
    EXPECT_EQ(bytes[23], 0xF8);
    EXPECT_EQ(bytes[24], 0xF9);
    EXPECT_EQ(random.m_nSeeds, 1);
}

TEST(CodecWrite, OneEmptyEntryIs29Bytes)
{
    CEntryList list;
    list.Add(CEntry());
    const Bytes bytes = WriteDatabaseBytes(list);
    ASSERT_EQ(bytes.size(), 29u);
    Bytes header = kUnlockedEmptyHeader;
    header[13] = 1;
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 15), header);
    // Four empty strings (four zero bytes), then the filler; six filler bytes in the clear.
    EXPECT_EQ(DecipherBlock(&bytes[15]), (Bytes{0, 0, 0, 0, 0xF0, 0xF1, 0xF2, 0xF3}));
    EXPECT_EQ(Bytes(bytes.begin() + 23, bytes.end()), (Bytes{0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9}));
}

TEST(CodecWrite, LockedHeaderAndKey)
{
    CEntryList list;
    list.Add(CEntry("bank", "joe", "1234", ""));
    const Bytes bytes = WriteDatabaseBytes(list, 1, "pass word");
    ASSERT_EQ(bytes.size(), 15u + 15u + 10u);
    EXPECT_EQ(bytes[11], 1);
    EXPECT_EQ(bytes[12], 0);
    EXPECT_EQ(DecipherBlock(&bytes[15], "pass word"), (Bytes{4, 'b', 'a', 'n', 'k', 3, 'j', 'o'}));
    CEntryList back;
    EXPECT_EQ(ReadDatabaseBytes(bytes, back, "pass word"), DatabaseStatus::ok);
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.GetAt(0), list.GetAt(0));
}

// The three forms of the length prefix, at the lengths where one gives way to the next.
TEST(CodecWrite, StringLengthPrefixes)
{
    struct Case {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const CString text('q', c.length);
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << text;
            ar.Close();
        }
        const Bytes bytes = FileBytes(file);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix);
        EXPECT_TRUE(std::all_of(bytes.begin() + c.prefix.size(), bytes.end(), [](BYTE b) { return b == 'q'; }));

        file.SeekToBegin();
        CArchive in(&file, CArchive::load);
        CString back = "previous";
        in >> back;
        EXPECT_EQ(back, text);
    }
}

TEST(CodecWrite, RefusesMoreEntriesThanTheCountHolds)
{
    CEntryList list;
    for (int i = 0; i < kMaxEntries + 1; ++i) list.Add(CEntry());
    CMemFile file;
    CFixedRandom random;
    EXPECT_EQ(WriteDatabase(file, list, 0, kBuiltInKey, random), DatabaseStatus::tooManyEntries);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CodecWrite, RefusesAnEmptyKey)
{
    CMemFile file;
    CFixedRandom random;
    EXPECT_EQ(WriteDatabase(file, CEntryList(), 1, "", random), DatabaseStatus::badKey);
    EXPECT_EQ(file.GetLength(), 0u);
    CEntryList list;
    LoadBytes(file, WriteDatabaseBytes(list));
    DatabaseHeader header;
    ASSERT_EQ(ReadDatabaseHeader(file, header), DatabaseStatus::ok);
    EXPECT_EQ(ReadDatabaseBody(file, header, "", list), DatabaseStatus::badKey);
}

TEST(CodecWrite, SameEntriesSameKeyGiveTheSameRecordBlocks)
{
    CEntryList list;
    list.Add(CEntry("For a long enough text", "user", "pw", "notes"));
    const Bytes first = WriteDatabaseBytes(list);
    CMemFile file;
    CRandom otherFiller;   // time-seeded: the filler may differ, the record blocks may not
    ASSERT_EQ(WriteDatabase(file, list, 0, kBuiltInKey, otherFiller), DatabaseStatus::ok);
    const Bytes second = FileBytes(file);
    ASSERT_EQ(first.size(), second.size());
    const std::size_t recordBytes = 4 + 22 + 4 + 2 + 5;   // prefixes and texts
    const std::size_t wholeRecordBlocks = recordBytes / 8 * 8;
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 15 + wholeRecordBlocks, second.begin()));
}

// The largest database: 65,535 entries, most short and a few long, with every byte
// value in the texts. Everything must come back in order.
TEST(CodecWrite, RoundTripOf65535Entries)
{
    std::mt19937 rng(65535);
    const int longLengths[] = {254, 255, 65533, 65534, 70000};
    CEntryList list;
    for (int i = 0; i < kMaxEntries; ++i) {
        CEntry e;
        CString* fields[] = {&e.m_strFor, &e.m_strUsername, &e.m_strPassword, &e.m_strNotes};
        for (int f = 0; f < 4; ++f) {
            int length = static_cast<int>(rng() % 24);
            if (i % 4099 == 0 && f == i % 4) length = longLengths[(i / 4099) % 5];
            char* p = fields[f]->GetBuffer(length);
            for (int k = 0; k < length; ++k) p[k] = static_cast<char>(rng());
            fields[f]->ReleaseBuffer(length);
        }
        list.Add(e);
    }
    const Bytes bytes = WriteDatabaseBytes(list, 1, "a key");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[13] | bytes[14] << 8, kMaxEntries);

    CEntryList back;
    back.Add(CEntry("already", "in", "the", "list"));
    ASSERT_EQ(ReadDatabaseBytes(bytes, back, "a key"), DatabaseStatus::ok);
    ASSERT_EQ(back.GetCount(), kMaxEntries + 1);
    EXPECT_EQ(back.GetAt(0).m_strFor, "already");
    for (int i = 0; i < kMaxEntries; ++i)
        ASSERT_TRUE(back.ElementAt(i + 1) == list.ElementAt(i)) << "entry " << i;
}

}  // namespace
