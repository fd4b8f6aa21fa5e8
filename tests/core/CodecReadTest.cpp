// Reading databases: which headers are accepted, which bodies are unreadable, and
// that no truncated or damaged file makes the reader misbehave.
#include <gtest/gtest.h>

#include <algorithm>

#include "DatabaseFiles.h"

// Natively the tests run under AddressSanitizer: refuse any single allocation
// above 64 MiB, so that a length prefix that drove one would fail the test run.
#ifdef __SANITIZE_ADDRESS__
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=64"; }
#endif

namespace {

CEntryList ThreeEntries()
{
    CEntryList list;
    list.Add(CEntry("mail", "joe", "s3cret", "imap, port 993"));
    list.Add(CEntry());
    list.Add(CEntry("bank", "", CString('x', 300), "line one\r\nline two"));
    return list;
}

// A header and a body of filler alone.
Bytes Header(WORD wReserved, WORD wVersion, WORD wLocked, WORD wCount)
{
    return MakeDatabaseFile(wLocked, wCount, Bytes(kFillerSize, 0xF0), kBuiltInKey, wVersion, wReserved);
}

void ExpectSameEntries(const CEntryList& a, const CEntryList& b)
{
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (int i = 0; i < a.GetCount(); ++i) EXPECT_TRUE(a.ElementAt(i) == b.ElementAt(i)) << "entry " << i;
}

TEST(CodecRead, StatusMessages)
{
    EXPECT_STREQ(DatabaseStatusMessage(DatabaseStatus::notDatabase),
                 "This is not a Vaultry database, or else it is corrupted.");
    EXPECT_STREQ(DatabaseStatusMessage(DatabaseStatus::newerVersion),
                 "This Vaultry database cannot be read using this version.\n"
                 "See our website for new releases. Select Help, About for website.");
    EXPECT_STREQ(DatabaseStatusMessage(DatabaseStatus::headerTruncated), "Error reading database.");
    EXPECT_STREQ(DatabaseStatusMessage(DatabaseStatus::unreadable),
                 "Error reading database.  File is corrupt or password is incorrect.");
}

TEST(CodecRead, HeaderRules)
{
    struct Case {
        const char* what;
        Bytes bytes;
        DatabaseStatus status;
    };
    const Case cases[] = {
        {"valid, empty", Header(1, 1, 0, 0), DatabaseStatus::ok},
        {"version 0", Header(1, 0, 0, 0), DatabaseStatus::ok},
        {"any reserved word", Header(0xBEEF, 1, 0, 0), DatabaseStatus::ok},
        {"version 2", Header(1, 2, 0, 0), DatabaseStatus::newerVersion},
        {"version 0xFFFF", Header(1, 0xFFFF, 0, 0), DatabaseStatus::newerVersion},
        {"header alone, no filler", MakeDatabaseFile(0, 0, Bytes()), DatabaseStatus::unreadable},
        {"header alone, count 1", MakeDatabaseFile(0, 1, Bytes()), DatabaseStatus::unreadable},
        {"lower case magic", Bytes{'v', 'a', 'u', 'l', 't', 'r', 'y', 1, 0, 1, 0, 0, 0, 0, 0}, DatabaseStatus::notDatabase},
        {"other magic", Bytes{'V', 'A', 'U', 'L', 'T', 'R', 'X', 1, 0, 1, 0, 0, 0, 0, 0}, DatabaseStatus::notDatabase},
        {"NUL in magic", Bytes{'V', 'A', 'U', 0, 'T', 'R', 'Y', 1, 0, 1, 0, 0, 0, 0, 0}, DatabaseStatus::notDatabase},
        {"magic of dots", Bytes{'.', '.', '.', '.', '.', '.', '.', 1, 0, 1, 0, 0, 0, 0, 0}, DatabaseStatus::notDatabase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CEntryList list;
        EXPECT_EQ(ReadDatabaseBytes(c.bytes, list), c.status);
    }
}

TEST(CodecRead, FilesEndingInsideTheHeader)
{
    const Bytes valid = Header(1, 1, 0, 0);
    for (std::size_t n = 0; n < kHeaderSize; ++n) {
        SCOPED_TRACE(n);
        CMemFile file;
        LoadBytes(file, Bytes(valid.begin(), valid.begin() + n));
        DatabaseHeader header;
        EXPECT_EQ(ReadDatabaseHeader(file, header), n < 7 ? DatabaseStatus::notDatabase : DatabaseStatus::headerTruncated);
    }
}

TEST(CodecRead, LockFlagChoosesTheKey)
{
    const CEntryList entries = ThreeEntries();
    for (WORD flag : {0, 2, 0xFFFF}) {
        // Written by hand: the writer only ever writes 0 or 1.
        Bytes bytes = WriteDatabaseBytes(entries);
        bytes[11] = static_cast<BYTE>(flag);
        bytes[12] = static_cast<BYTE>(flag >> 8);
        CMemFile file;
        LoadBytes(file, bytes);
        DatabaseHeader header;
        ASSERT_EQ(ReadDatabaseHeader(file, header), DatabaseStatus::ok);
        EXPECT_FALSE(header.IsLocked()) << flag;
        EXPECT_EQ(DatabaseKeyText(header.wLocked, "password"), kBuiltInKey);
        CEntryList list;
        ASSERT_EQ(ReadDatabaseBody(file, header, DatabaseKeyText(header.wLocked, "password"), list), DatabaseStatus::ok);
        ExpectSameEntries(list, entries);
    }
    EXPECT_EQ(DatabaseKeyText(1, "password"), "password");
}

// Long texts give a wrong key room to decipher into records that parse; only
// the filler left at their end tells. Each database is tried with 1,000 wrong
// passwords (100 under the sanitizers, where the cipher runs ten times slower),
// and with the built-in key, as when its lock flag is damaged.
TEST(CodecRead, WrongKeysNeverRead)
{
#ifdef __SANITIZE_ADDRESS__
    const int nWrong = 100;
#else
    const int nWrong = 1000;
#endif
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
        const Bytes bytes = WriteDatabaseBytes(*entries, 1, "right");
        CEntryList list;
        list.Add(CEntry("keep", "", "", ""));
        int nRead = 0;
        for (int i = 0; i <= nWrong; ++i) {
            CString strWrong;
            strWrong.Format("wrong %d", i);
            nRead += ReadDatabaseBytes(bytes, list, i < nWrong ? strWrong : CString(kBuiltInKey)) != DatabaseStatus::unreadable;
        }
        EXPECT_EQ(nRead, 0) << bytes.size() << " bytes";
        EXPECT_EQ(list.GetCount(), 1);
        EXPECT_EQ(ReadDatabaseBytes(bytes, list, "right"), DatabaseStatus::ok);
    }
    // With no records nothing tells one key from another.
    CEntryList list;
    EXPECT_EQ(ReadDatabaseBytes(WriteDatabaseBytes(CEntryList(), 1, "right"), list, "wrong"), DatabaseStatus::ok);
}

// Bodies that the writer never produces, enciphered with the built-in key.
TEST(CodecRead, MalformedBodies)
{
    struct Case {
        const char* what;
        WORD count;
        Bytes plaintext;
    };
    const Case cases[] = {
        {"16-bit character marker", 1, {0xFF, 0xFE, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"32-bit length of 4 GiB - 1", 1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"32-bit length of 2 GiB", 1, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"32-bit length of 64 MiB", 1, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"16-bit length one past the data", 1, {0xFF, 0x0E, 0x00, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm'}},
        {"prefix cut off", 1, {0, 0, 0, 0xFF, 0xFF}},
        {"more records than data", 4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CEntryList list;
        EXPECT_EQ(ReadDatabaseBytes(MakeDatabaseFile(0, c.count, c.plaintext), list), DatabaseStatus::unreadable);
        EXPECT_EQ(list.GetCount(), 0);
    }
    // A length that fits exactly is fine, and so is a 16-bit prefix below 255.
    CEntryList list;
    Bytes plaintext = {0xFF, 0x03, 0x00, 'a', 'b', 'c', 1, 'd', 0, 0xFF, 0x01, 0x00, 'e'};
    plaintext.insert(plaintext.end(), kFillerSize, 0);
    EXPECT_EQ(ReadDatabaseBytes(MakeDatabaseFile(0, 1, plaintext), list), DatabaseStatus::ok);
    EXPECT_TRUE(list.GetAt(0) == CEntry("abc", "d", "", "e"));
}

// A file cut short anywhere, or lengthened, is not read, whatever it holds: the
// records must end exactly at the filler, which must end the file.
TEST(CodecRead, EveryOtherLength)
{
    const CEntryList entries = ThreeEntries();
    const Bytes valid = WriteDatabaseBytes(entries);
    for (std::size_t n = 0; n < valid.size() + 9; ++n) {
        SCOPED_TRACE(n);
        Bytes bytes(valid.begin(), valid.begin() + std::min(n, valid.size()));
        bytes.resize(n, 0xA5);
        CEntryList list;
        list.Add(CEntry("before", "", "", ""));
        const DatabaseStatus status = ReadDatabaseBytes(bytes, list);
        EXPECT_EQ(status, n < 7 ? DatabaseStatus::notDatabase
                          : n < kHeaderSize ? DatabaseStatus::headerTruncated
                          : n == valid.size() ? DatabaseStatus::ok
                                              : DatabaseStatus::unreadable);
        EXPECT_EQ(list.GetCount(), n == valid.size() ? 4 : 1);
    }
}

// Every single damaged byte gives a status. Damage in the header gives the
// header's verdict; damage to the filler alone changes nothing.
TEST(CodecRead, EverySingleByteCorruption)
{
    const CEntryList entries = ThreeEntries();
    const Bytes valid = WriteDatabaseBytes(entries);
    const std::size_t fillerStart = valid.size() - kFillerSize;
    const std::size_t firstFillerOnlyBlock = kHeaderSize + ((fillerStart - kHeaderSize + 7) / 8) * 8;
    for (std::size_t at = 0; at < valid.size(); ++at) {
        SCOPED_TRACE(at);
        Bytes bytes = valid;
        bytes[at] ^= 0xFF;
        CEntryList list;
        const DatabaseStatus status = ReadDatabaseBytes(bytes, list);
        if (at < 7) {
            EXPECT_EQ(status, DatabaseStatus::notDatabase);
        } else if (at < 9 || (at >= 11 && at < 13)) {   // reserved word, lock flag
            EXPECT_EQ(status, DatabaseStatus::ok);
            ExpectSameEntries(list, entries);
        } else if (at < 11) {
            EXPECT_EQ(status, DatabaseStatus::newerVersion);
        } else if (at < kHeaderSize) {   // count: far more records than the body holds
            EXPECT_EQ(status, DatabaseStatus::unreadable);
        } else if (at >= firstFillerOnlyBlock) {
            EXPECT_EQ(status, DatabaseStatus::ok);
            ExpectSameEntries(list, entries);
        } else {
            EXPECT_TRUE(status == DatabaseStatus::ok || status == DatabaseStatus::unreadable);
        }
    }
}

}  // namespace
