// Text files of entries: the line rule of the import reader, the field split, the
// export lines, and an export that fails part-way.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "MemoryBytes.h"
#include "common/FailingFile.h"
#include "common/TestFiles.h"
#include "textio/core/EntryLineSplitter.h"
#include "textio/core/EntryLineWriter.h"
#include "textio/core/TextExport.h"
#include "textio/core/TextLineReader.h"

namespace {

using Lines = std::vector<std::string>;

// The lines of the bytes, read through an archive of the smallest buffer, so
// that line ends fall across its refills.
Lines ReadAllLines(const std::string& bytes)
{
    CMemFile file;
    LoadBytes(file, bytes);
    CArchive ar(&file, CArchive::load, 128);
    CTextLineReader reader(ar);
    Lines lines;
    CString line = "stale";
    while (reader.ReadLine(line)) lines.emplace_back(line.GetString(), line.GetLength());
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_FALSE(reader.ReadLine(line)) << "the end of input stays the end";
    return lines;
}

std::string Export(const CEntryList& list)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, 1024);
    WriteEntryLines(ar, list);
    ar.Close();
    return FileBytes(file);
}

TEST(TextLineReader, FollowsTheLineRule)
{
    const struct {
        const char* pszName;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"empty file", "", {}},
        {"one more CR LF adds an empty line", "a\r\nb\r\nc\r\n\r\n", {"a", "b", "c", ""}},
        {"last line without a line end", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"LF only", "a\nb\nc\n", {"a", "b", "c"}},
        {"lone CR ends a line", "a\rb\rc", {"a", "b", "c"}},
        {"CR CR LF is an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty lines inside", "\r\n\r\na\r\n\n", {"", "", "a", ""}},
        {"zero bytes are dropped", std::string("a\0b\r\n\0\0c", 8), {"ab", "c"}},
        {"a line of zero bytes is an empty line", std::string("\0\r\nx", 4), {"", "x"}},
        {"zero bytes after the last line end add no line", std::string("a\r\n\0\0", 5), {"a"}},
        {"commas and spaces are kept", " a, b ,,\r\n", {" a, b ,,"}},
        {"byte-order mark at the start is dropped",
         "\xEF\xBB\xBF"
         "a\r\n\xEF\xBB\xBF"
         "b",
         {"a", "\xEF\xBB\xBF"
               "b"}},
        {"lines of any length", std::string(5000, 'x') + "\r\nz", {std::string(5000, 'x'), "z"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAllLines(c.bytes), c.expected) << c.pszName;
    // Line ends that straddle the end of the buffer.
    for (std::size_t nFirst : {127u, 128u, 255u}) {
        const std::string strHead(nFirst, 'h');
        for (const char* pszEnd : {"\r\n", "\r", "\n"}) {
            EXPECT_EQ(ReadAllLines(strHead + pszEnd + "next"), (Lines{strHead, "next"})) << nFirst;
            EXPECT_EQ(ReadAllLines(strHead + pszEnd), (Lines{strHead})) << nFirst;
        }
    }
}

TEST(EntryLineSplitter, FollowsTheSplitRuleForEachNumberOfCommas)
{
    const struct {
        const char* pszLine;
        CEntry expected;
    } cases[] = {
        {"a,b,c,d", CEntry("a", "b", "c", "d")},
        {"a,b,c,d,e,,f", CEntry("a", "b", "c", "d,e,,f")},
        {"a,b,c", CEntry("a", "b", "", "c")},
        {"a,b", CEntry("a", "", "", "b")},
        {"just notes", CEntry("", "", "", "just notes")},
        {",,,,", CEntry("", "", "", ",")},
        {" a , b ,c,d ", CEntry(" a ", " b ", "c", "d ")},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitEntryLine(c.pszLine), c.expected) << "line: " << c.pszLine;
}

// The export writes one line per entry, bytes above 0x7F and lines longer than
// the archive's buffer as they are; the import reads them back into entries
// appended to the list while For, Username and Password hold no comma, counting
// the lines it may have read otherwise than the user meant.
TEST(EntryLines, ExportThenImport)
{
    const std::string strLong(3000, 'x');
    const CEntryList list = MakeList({CEntry("mail", "joe", "", "home, work"), CEntry(), CEntry("bank", "", "", ""),
                                      CEntry("caf\xE9", strLong.c_str(), "pass word", "\xFF")});
    const std::string exported = Export(list);
    EXPECT_EQ(exported, "mail,joe,,home, work\r\n,,,\r\nbank,,,\r\ncaf\xE9," + strLong + ",pass word,\xFF\r\n");

    CMemFile file;
    LoadBytes(file, exported + "\r\njust notes\r\nze" + std::string(1, '\0') + "ro,,,\r\n");
    CArchive ar(&file, CArchive::load, 1024);
    CEntryList back = MakeList({CEntry("kept", "", "", "")});
    TextLineCounts counts;
    EXPECT_EQ(ReadEntryLines(ar, back, &counts), 7u);
    CEntryList expected = MakeList({CEntry("kept", "", "", "")});
    for (int i = 0; i < list.GetCount(); ++i) expected.Add(list.GetAt(i));
    for (const CEntry& e : {CEntry(), CEntry("", "", "", "just notes"), CEntry("zero", "", "", "")}) expected.Add(e);
    EXPECT_TRUE(SameEntries(back, expected));
    EXPECT_EQ(counts.nBlank, 1u);
    EXPECT_EQ(counts.nNoComma, 1u);
    EXPECT_EQ(counts.nLostZeros, 1u);
}

// An export whose disk fails part-way leaves no cleartext behind: the file it
// created is gone, and the file it replaced is left empty.
TEST(TextExport, FailedExportLeavesNoCleartextBehind)
{
    TempFolder folder;
    const std::string path = folder.Path("export.txt");
    const CEntryList list = MakeList({CEntry("mail", "joe", "s3cret", ""), CEntry("bank", "", "1234", "pin")});
    const struct {
        bool bExisted;
        ULONGLONG nFailAt;
        const char* pszLeft;  // nullptr: no file
    } cases[] = {{false, ~0ULL, "mail,joe,s3cret,\r\nbank,,1234,pin\r\n"},
                 {false, 0, nullptr},
                 {false, 10, nullptr},
                 {true, 10, ""}};
    for (const auto& c : cases) {
        if (c.bExisted) WriteBytes(path, "an older export");
        CString strError;
        {
            CFailingWriter<CTextExport> exportFile;
            exportFile.m_nFailAt = c.nFailAt;
            ASSERT_TRUE(exportFile.Open(path.c_str()));
            EXPECT_EQ(exportFile.Write(list, strError), c.nFailAt == ~0ULL);
        }
        EXPECT_EQ(strError.Find("could not be removed"), -1);
        EXPECT_EQ(std::filesystem::exists(path), c.pszLeft != nullptr);
        EXPECT_EQ(ReadBytes(path), c.pszLeft ? c.pszLeft : "");
        std::filesystem::remove(path);
    }
}

}  // namespace
