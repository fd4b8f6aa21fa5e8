// CArchive over memory files, with the smallest buffer (128 bytes) so that values
// fall across buffer refills. Its lines are tested with the text line reader.
#include <gtest/gtest.h>

#include <string>

#include "MemoryBytes.h"

namespace {

const int kBuf = 128;

// A word, a double word and texts placed at every offset around the end of the
// first buffer come back intact.
TEST(CArchive, ValuesAcrossTheBufferEnd)
{
    for (int nLead = kBuf - 8; nLead <= kBuf + 1; ++nLead) {
        CMemFile f;
        {
            CArchive ar(&f, CArchive::store, kBuf);
            ar.Write(std::string(nLead, 'L').data(), nLead);
            ar << static_cast<WORD>(0xBEEF) << static_cast<DWORD>(0xDEADBEEF) << CString('s', 300) << CString("tail");
        }
        ASSERT_EQ(f.GetLength(), static_cast<ULONGLONG>(nLead + 2 + 4 + 303 + 5));
        f.SeekToBegin();
        CArchive ar(&f, CArchive::load, kBuf);
        std::string lead(nLead, '\0');
        WORD w;
        DWORD dw;
        CString s, tail;
        EXPECT_EQ(ar.Read(&lead[0], nLead), static_cast<UINT>(nLead));
        ar >> w >> dw >> s >> tail;
        EXPECT_EQ(lead, std::string(nLead, 'L'));
        EXPECT_EQ(w, 0xBEEF);
        EXPECT_EQ(dw, 0xDEADBEEFu);
        EXPECT_TRUE(s == CString('s', 300) && tail == "tail") << nLead;
    }
}

// The three forms of a text's length prefix, at the lengths where one gives way
// to the next.
TEST(CArchive, StringLengthPrefixes)
{
    const struct {
        int nLength;
        std::string prefix;
    } cases[] = {
        {0, std::string(1, '\0')},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const auto& c : cases) {
        const CString text('q', c.nLength);
        CMemFile f;
        {
            CArchive ar(&f, CArchive::store, kBuf);
            ar << text;
        }
        EXPECT_EQ(FileBytes(f), c.prefix + std::string(c.nLength, 'q')) << c.nLength;
        f.SeekToBegin();
        CArchive ar(&f, CArchive::load, kBuf);
        CString back = "previous";
        ar >> back;
        EXPECT_EQ(back, text) << c.nLength;
    }
}

// An archive only goes the way it was opened: reading from a storing one or
// writing to a loading one throws, and closing a loading one writes nothing.
TEST(CArchive, GoesOnlyTheWayItWasOpened)
{
    CMemFile f;
    LoadBytes(f, "ab\n");
    CArchive storing(&f, CArchive::store, kBuf);
    BYTE by = 0;
    CString line;
    EXPECT_THROW(storing.Read(&by, 1), CArchiveException);
    EXPECT_THROW(storing.ReadString(line), CArchiveException);
    EXPECT_THROW(storing.GetBytesLeft(), CArchiveException);
    CArchive loading(&f, CArchive::load, kBuf);
    EXPECT_THROW(loading.Write("x", 1), CArchiveException);
    loading >> by;
    loading.Close();
    EXPECT_EQ(FileBytes(f), "ab\n");
}

}  // namespace
