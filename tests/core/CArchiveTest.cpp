// CArchive over memory files, with the smallest buffer (128 bytes) so that values
// and lines fall across buffer refills.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/portable/CArchive.h"
#include "framework/portable/CMemFile.h"

namespace {

const int kBuf = 128;

std::string Contents(const CMemFile& f) { return std::string(reinterpret_cast<const char*>(f.GetData()), f.GetLength()); }

void Load(CMemFile& f, const std::string& bytes)
{
    f.SetLength(0);
    f.SeekToBegin();
    f.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    f.SeekToBegin();
}

// A word, a double word and a string placed at every offset around the end of
// the first buffer come back intact.
TEST(CArchive, ValuesAcrossTheBufferEnd)
{
    for (int lead = kBuf - 8; lead <= kBuf + 1; ++lead) {
        SCOPED_TRACE(lead);
        CMemFile f;
        {
            CArchive ar(&f, CArchive::store, kBuf);
            for (int i = 0; i < lead; ++i) ar << static_cast<BYTE>(i);
            ar << static_cast<WORD>(0xBEEF) << static_cast<DWORD>(0xDEADBEEF) << CString('s', 300)
               << static_cast<WORD>(0x1234) << CString("tail");
            ar.Close();
        }
        ASSERT_EQ(f.GetLength(), static_cast<ULONGLONG>(lead + 2 + 4 + 303 + 2 + 5));
        f.SeekToBegin();
        CArchive ar(&f, CArchive::load, kBuf);
        for (int i = 0; i < lead; ++i) {
            BYTE b;
            ar >> b;
            ASSERT_EQ(b, static_cast<BYTE>(i));
        }
        WORD w1, w2;
        DWORD dw;
        CString s, tail;
        ar >> w1 >> dw >> s >> w2 >> tail;
        EXPECT_EQ(w1, 0xBEEF);
        EXPECT_EQ(dw, 0xDEADBEEFu);
        EXPECT_EQ(s, CString('s', 300));
        EXPECT_EQ(w2, 0x1234);
        EXPECT_EQ(tail, "tail");
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    }
}

TEST(CArchive, LargeReadsAndWritesPassTheBuffer)
{
    std::string big(1000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store, kBuf);
        ar.Write("head", 4);
        ar.Write(big.data(), static_cast<UINT>(big.size()));
        ar.Write("end", 3);
        ar.Close();
    }
    EXPECT_EQ(Contents(f), "head" + big + "end");

    f.SeekToBegin();
    CArchive ar(&f, CArchive::load, kBuf);
    char head[2];
    EXPECT_EQ(ar.Read(head, 2), 2u);
    EXPECT_EQ(ar.GetBytesLeft(), 1005u);
    std::string middle(1002, '\0');
    EXPECT_EQ(ar.Read(&middle[0], 1002), 1002u);
    EXPECT_EQ(middle, "ad" + big);
    std::string rest(10, '\0');
    EXPECT_EQ(ar.Read(&rest[0], 10), 3u);
    EXPECT_EQ(rest.substr(0, 3), "end");
    EXPECT_EQ(ar.Read(&rest[0], 10), 0u);
}

TEST(CArchive, ReadingPastTheEndThrowsEndOfFile)
{
    struct Case {
        const char* what;
        std::string bytes;
        void (*read)(CArchive&);
    };
    const Case cases[] = {
        {"byte", "", [](CArchive& ar) { BYTE b; ar >> b; }},
        {"word", "\x01", [](CArchive& ar) { WORD w; ar >> w; }},
        {"double word", "\x01\x02\x03", [](CArchive& ar) { DWORD d; ar >> d; }},
        {"string text", "\x05" "ab", [](CArchive& ar) { CString s; ar >> s; }},
        {"string prefix", "\xFF\x01", [](CArchive& ar) { CString s; ar >> s; }},
        {"long string", std::string("\xFF\xFF\xFF\x00\x01\x00\x00", 7) + std::string(255, 'x'), [](CArchive& ar) { CString s; ar >> s; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemFile f;
        Load(f, c.bytes);
        CArchive ar(&f, CArchive::load, kBuf);
        try {
            c.read(ar);
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        }
    }
}

TEST(CArchive, ReadStringLineEnds)
{
    const std::string longLine(300, 'L');
    const std::string crlfAcrossRefill = std::string(kBuf - 1, 'a') + "\r\n" + "b";
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"LF", "one\ntwo\n", {"one", "two"}},
        {"CR LF", "one\r\ntwo\r\n", {"one", "two"}},
        {"lone CR", "one\rtwo\r", {"one", "two"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"no final terminator", "last", {"last"}},
        {"empty lines", "\n\r\n\r\nx\n\n", {"", "", "", "x", ""}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"longer than the buffer", longLine + "\r\n" + longLine, {longLine, longLine}},
        {"CR LF across a refill", crlfAcrossRefill, {std::string(kBuf - 1, 'a'), "b"}},
        {"CR at the end of a refill", std::string(kBuf - 1, 'a') + "\r", {std::string(kBuf - 1, 'a')}},
        {"zero bytes are dropped", std::string("a\0b\n\0", 5), {"ab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemFile f;
        Load(f, c.text);
        CArchive ar(&f, CArchive::load, kBuf);
        std::vector<std::string> lines;
        CString line = "stale";
        while (ar.ReadString(line)) lines.emplace_back(line.GetString(), line.GetLength());
        EXPECT_EQ(lines, c.lines);
        EXPECT_TRUE(line.IsEmpty());
    }
}

TEST(CArchive, WriteStringWritesTheBytesOnly)
{
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store, kBuf);
        ar.WriteString("line one\r\n");
        ar.WriteString(CString("two\0", 4));
        ar.WriteString(static_cast<LPCTSTR>(nullptr));
    }   // the destructor flushes
    EXPECT_EQ(Contents(f), std::string("line one\r\ntwo\0", 14));
}

}  // namespace
