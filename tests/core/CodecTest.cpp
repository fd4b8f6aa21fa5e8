// Database files: the golden file, which headers and bodies are read, what the
// writer refuses, and that no damaged, cut, lengthened or wrongly keyed file
// reads as data.
#include <gtest/gtest.h>

#include "MemoryBytes.h"
#include "common/TestFiles.h"

// Natively the tests run under AddressSanitizer: refuse any single allocation
// above 64 MiB, so that a length prefix that drove one would fail the test run.
// The cipher runs ten times slower there: fewer wrong keys are tried.
#ifdef __SANITIZE_ADDRESS__
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=64"; }
const int kWrongKeys = 100;
#else
const int kWrongKeys = 1000;
#endif

namespace {

// The entries of tests/core/data/golden.vty, unlocked, filler 0xF0 ... 0xF9: bytes
// above 0x7F, empty texts, and a note whose 3-byte length prefix and text span
// many cipher blocks.
CEntryList GoldenEntries()
{
    CString strNote;
    for (int i = 0; i < 300; ++i) strNote += static_cast<char>(i % 7 == 6 ? ' ' : 'a' + i % 26);
    return MakeList({CEntry("mail", "joe", "s3cret", "imap, port 993"), CEntry(),
                     CEntry("caf\xE9", "", "p\xE4ss\xFF", "\x80\xA0"), CEntry("bank", "jane", "1234", strNote)});
}

const std::string kGolden = ReadBytes(VAULTRY_TEST_DATA "/golden.vty");

// The writer makes the golden file byte for byte, and the reader reads it back
// as its entries: neither can drift from the format with the other.
TEST(Codec, GoldenFile)
{
    ASSERT_EQ(kGolden.size(), 393u) << "tests/core/data/golden.vty";
    EXPECT_EQ(WriteDatabaseBytes(GoldenEntries()), kGolden);
    CEntryList list;
    ASSERT_EQ(ReadDatabaseBytes(kGolden, list), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(list, GoldenEntries()));
}

// Long texts give a wrong key room to decipher into records that parse; only
// the filler left at their end tells. Each database is tried with kWrongKeys
// wrong passwords, and with the built-in key, as when its lock flag is damaged.
TEST(Codec, WrongKeysNeverRead)
{
    unsigned seed = 1;
    auto text = [&seed](int n) {
        CString s;
        for (int i = 0; i < n; ++i) s += static_cast<char>(' ' + (seed = seed * 1664525u + 1013904223u) % 95);
        return s;
    };
    CEntryList many, longNote;
    for (int i = 0; i < 200; ++i) many.Add(CEntry(text(20), text(10), text(12), text(3240)));
    longNote.Add(CEntry("site", "user", "pass", text(70000)));
    for (const CEntryList* entries : {&many, &longNote}) {
        const std::string bytes = WriteDatabaseBytes(*entries, 1, "right");
        CEntryList list = MakeList({CEntry("keep", "", "", "")});
        int nRead = 0;
        for (int i = 0; i <= kWrongKeys; ++i) {
            CString strWrong;
            strWrong.Format("wrong %d", i);
            const CString strKey = i < kWrongKeys ? strWrong : CString(kBuiltInKey);
            nRead += ReadDatabaseBytes(bytes, list, strKey) != DatabaseStatus::unreadable;
        }
        EXPECT_EQ(nRead, 0) << bytes.size() << " bytes";
        EXPECT_EQ(list.GetCount(), 1);
        EXPECT_EQ(ReadDatabaseBytes(bytes, list, "right"), DatabaseStatus::ok);
    }
}

// Files the writer never makes: other header words and magic, and bodies
// (enciphered with the built-in key) whose records do not fit the data.
TEST(Codec, ForeignFiles)
{
    const std::string filler(kFillerSize, '\xF0'), zeros(9, '\0');
    auto oneRecord = [](const std::string& plaintext) { return MakeDatabaseFile(0, 1, plaintext); };
    const DatabaseStatus kBad = DatabaseStatus::unreadable;
    const struct {
        const char* what;
        std::string bytes;
        DatabaseStatus status;
    } cases[] = {
        {"version 0", MakeDatabaseFile(0, 0, filler, 0), DatabaseStatus::ok},
        {"version 2", MakeDatabaseFile(0, 0, filler, 2), DatabaseStatus::newerVersion},
        {"NUL in magic", std::string("VAU\0TRY", 7) + kGolden.substr(7), DatabaseStatus::notDatabase},
        {"header alone", MakeDatabaseFile(0, 0, ""), kBad},
        {"16-bit character marker", oneRecord("\xFF\xFE\xFF" + std::string(13, '\0')), kBad},
        {"32-bit length of 4 GiB - 1", oneRecord(std::string(7, '\xFF') + zeros), kBad},
        {"32-bit length of 2 GiB", oneRecord(std::string("\xFF\xFF\xFF\0\0\0\x80", 7) + zeros), kBad},
        {"32-bit length of 64 MiB", oneRecord(std::string("\xFF\xFF\xFF\0\0\0\x04", 7) + zeros), kBad},
        {"16-bit length one past the data", oneRecord("\xFF\x0E" + zeros.substr(0, 1) + "abcdefghijklm"), kBad},
        {"prefix cut off", oneRecord(std::string("\0\0\0\xFF\xFF", 5)), kBad},
        {"more records than data", MakeDatabaseFile(0, 4, std::string(15, '\0')), kBad},
    };
    for (const auto& c : cases) {
        CEntryList list;
        EXPECT_EQ(ReadDatabaseBytes(c.bytes, list), c.status) << c.what;
        EXPECT_EQ(list.GetCount(), 0) << c.what;
    }
}

// A file cut short anywhere, or lengthened, is not read: the records must end
// exactly at the filler, which must end the file. The list is left as it was.
TEST(Codec, EveryOtherLength)
{
    for (std::size_t n = 0; n < kGolden.size() + 9; ++n) {
        std::string bytes = kGolden.substr(0, n);
        bytes.resize(n, '\xA5');
        CEntryList list = MakeList({CEntry("before", "", "", "")});
        EXPECT_EQ(ReadDatabaseBytes(bytes, list), n < 7                 ? DatabaseStatus::notDatabase
                                                  : n < kHeaderSize     ? DatabaseStatus::headerTruncated
                                                  : n == kGolden.size() ? DatabaseStatus::ok
                                                                        : DatabaseStatus::unreadable)
            << n;
        EXPECT_EQ(list.GetCount(), n == kGolden.size() ? 5 : 1) << n;
    }
}

// Every single damaged byte gives a status. Damage in the header gives the
// header's verdict (a lock flag other than 1 means the built-in key); damage to
// the filler alone changes nothing.
TEST(Codec, EverySingleByteCorruption)
{
    const std::size_t nFillerStart = kGolden.size() - kFillerSize;
    const std::size_t nFirstFillerOnlyBlock = kHeaderSize + (nFillerStart - kHeaderSize + 7) / 8 * 8;
    for (std::size_t at = 0; at < kGolden.size(); ++at) {
        std::string bytes = kGolden;
        bytes[at] = static_cast<char>(bytes[at] ^ 0xFF);
        CEntryList list;
        const DatabaseStatus status = ReadDatabaseBytes(bytes, list);
        if (at < 7)
            EXPECT_EQ(status, DatabaseStatus::notDatabase) << at;
        else if (at < 9 || (at >= 11 && at < 13) || at >= nFirstFillerOnlyBlock)  // reserved, lock flag, filler
            EXPECT_TRUE(status == DatabaseStatus::ok && SameEntries(list, GoldenEntries())) << at;
        else if (at < 11)
            EXPECT_EQ(status, DatabaseStatus::newerVersion) << at;
        else if (at < kHeaderSize)
            EXPECT_EQ(status, DatabaseStatus::unreadable) << at;  // count
        else
            EXPECT_TRUE(status == DatabaseStatus::ok || status == DatabaseStatus::unreadable) << at;
    }
}

// The writer writes nothing for what the file cannot hold; what it can hold
// reads back.
TEST(Codec, WriterRefusesWhatTheFileCannotHold)
{
    CEntryList most, none;
    for (int i = 0; i < kMaxEntries; ++i) most.Add(CEntry("", "", "", i % 4099 ? "" : "n"));
    CEntryList tooMany = most;
    tooMany.Add(CEntry());
    const CString strLongest('k', kMaxKeyLength);
    CEntryList back;
    EXPECT_EQ(ReadDatabaseBytes(WriteDatabaseBytes(most, 1, strLongest), back, strLongest), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(back, most));
    CMemFile file;
    CFixedRandom random;
    EXPECT_EQ(WriteDatabase(file, tooMany, 0, kBuiltInKey, random), DatabaseStatus::tooManyEntries);
    EXPECT_EQ(WriteDatabase(file, none, 1, "", random), DatabaseStatus::badKey);
    EXPECT_EQ(WriteDatabase(file, none, 1, strLongest + "k", random), DatabaseStatus::badKey);
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(ReadDatabaseBytes(WriteDatabaseBytes(none, 1, "k"), back, ""), DatabaseStatus::badKey);
}

}  // namespace
