// The export line writer and the export file, and the import field splitter.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/FailingFile.h"
#include "common/TestFiles.h"
#include "TextBytes.h"
#include "textio/core/EntryLineSplitter.h"
#include "textio/core/EntryLineWriter.h"
#include "textio/core/TextExport.h"
#include "textio/core/TextLineReader.h"

namespace {

std::string Export(const CEntryList& list)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, 1024);
    WriteEntryLines(ar, list);
    ar.Close();
    return FileBytes(file);
}

}  // namespace

// The example lines of the text format, in list order, each with its CR LF, and
// bytes above 0x7F and lines longer than the archive's buffer as they are.
TEST(EntryLineWriter, WritesTheExampleLinesByteForByte)
{
    std::string strLong(3000, 'x');
    CEntryList list;
    list.Add(CEntry("mail", "joe", "", "home, work"));
    list.Add(CEntry("", "", "", ""));
    list.Add(CEntry("bank", "", "", ""));
    list.Add(CEntry("caf\xe9", strLong.c_str(), "pass word", "\xff"));
    EXPECT_EQ(Export(list), "mail,joe,,home, work\r\n,,,\r\nbank,,,\r\ncaf\xe9," + strLong + ",pass word,\xff\r\n");
    EXPECT_EQ(Export(CEntryList()), "");
}

// An export whose disk fails part-way leaves no cleartext behind: the file it
// created is gone, and the file it replaced is left empty.
TEST(TextExport, FailedExportLeavesNoCleartextBehind)
{
    TempFolder folder;
    const std::string path = folder.Path("export.txt");
    CEntryList list;
    list.Add(CEntry("mail", "joe", "s3cret", ""));
    list.Add(CEntry("bank", "", "1234", "pin"));
    const struct {
        bool bExisted;
        ULONGLONG nFailAt;
        const char* pszLeft;   // nullptr: no file
    } cases[] = {{false, ~0ULL, "mail,joe,s3cret,\r\nbank,,1234,pin\r\n"}, {false, 0, nullptr}, {false, 10, nullptr},
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
        {"", CEntry("", "", "", "")},
        {",,,", CEntry("", "", "", "")},
        {",,,,", CEntry("", "", "", ",")},
        {"mail,joe,,home, work", CEntry("mail", "joe", "", "home, work")},
        {" a , b ,c,d ", CEntry(" a ", " b ", "c", "d ")},
        {"a,", CEntry("a", "", "", "")},
        {",b", CEntry("", "", "", "b")},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitEntryLine(c.pszLine), c.expected) << "line: " << c.pszLine;
}

// Export then import gives the same entries while For, Username and Password
// hold no comma; commas in Notes survive.
TEST(EntryLineSplitter, ReadsBackWhatTheWriterWrote)
{
    CEntryList list;
    list.Add(CEntry("mail", "joe", "s3cret", "home, work, more"));
    list.Add(CEntry("", "", "", ""));
    list.Add(CEntry("x", "", "pw", ",leading comma"));
    CMemFile file;
    PutBytes(file, Export(list));
    CArchive ar(&file, CArchive::load, 1024);
    CEntryList back;
    ASSERT_EQ(ReadEntryLines(ar, back), 3u);
    for (int i = 0; i < list.GetCount(); ++i) EXPECT_EQ(back.GetAt(i), list.GetAt(i)) << "entry " << i;
}
