// Text files of entries: the line rule of the import reader, the field split, and
// an export that fails part-way. vaultry-cli's import and export tests read and
// write whole files of entry lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "MemoryBytes.h"
#include "common/FailingFile.h"
#include "common/TestFiles.h"
#include "textio/core/EntryLineSplitter.h"
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

TEST(TextLineReader, FollowsTheLineRule)
{
    const struct {
        const char* pszName;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"empty file", "", {}},
        {"one more CR LF adds an empty line", "a\r\nb\r\nc\r\n\r\n", {"a", "b", "c", ""}},
        {"LF only", "a\nb\nc\n", {"a", "b", "c"}},
        {"lone CR ends a line", "a\rb\rc", {"a", "b", "c"}},
        {"CR CR LF is an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty lines inside", "\r\n\r\na\r\n\n", {"", "", "a", ""}},
        {"zero bytes are dropped", std::string("a\0b\r\n\0\0c", 8), {"ab", "c"}},
        {"a line of zero bytes is an empty line", std::string("\0\r\nx", 4), {"", "x"}},
        {"zero bytes after the last line end add no line", std::string("a\r\n\0\0", 5), {"a"}},
        {"commas and spaces are kept", " a, b ,,\r\n", {" a, b ,,"}},
        {"byte-order mark at the start is dropped", "\xEF\xBB\xBFx\r\n\xEF\xBB\xBFy", {"x", "\xEF\xBB\xBFy"}},
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
    } cases[] = {{false, ~0ULL, "mail,joe,s3cret,\r\nbank,,1234,pin\r\n"}, {false, 10, nullptr}, {true, 10, ""}};
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
