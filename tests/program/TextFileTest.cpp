// File > Export and File > Import through the real file dialogs.
#include "ProgramFixture.h"

#include "app/resource.h"

namespace apptest {
namespace {

class TextFile : public ProgramFixture {
protected:
    void AddEntry(const char* pszFor, const char* pszUser, const char* pszPassword, const char* pszNotes)
    {
        Doc()->m_EntryList.Add(CEntry(pszFor, pszUser, pszPassword, pszNotes));
    }
    // Export through the dialog, answering the overwrite question with Yes when
    // the file exists; returns the message boxes shown.
    std::vector<std::string> Export(const std::string& path, bool bExists = false)
    {
        harness::ModalDriver driver;
        driver.ExpectDialog("Export File").SetText(1148, path).Click(IDOK);
        if (bExists) driver.ExpectMessageBox().Click(IDYES);
        driver.ExpectMessageBox().Click(IDOK);
        Command(ID_FILE_EXPORT);
        EXPECT_TRUE(driver.AllAnswered());
        return driver.MessageBoxTexts();
    }
    std::vector<harness::MessageBoxInfo> Import(const std::string& path)
    {
        harness::ModalDriver driver;
        driver.ExpectDialog("Import File").SetText(1148, path).Click(IDOK);
        driver.ExpectMessageBox().Click(IDOK);
        Command(ID_FILE_IMPORT);
        EXPECT_TRUE(driver.AllAnswered());
        return driver.MessageBoxes();
    }
};

TEST_F(TextFile, ExportWritesOneCommaSeparatedLinePerEntry)
{
    AddEntry("mail", "joe", "", "home, work");
    AddEntry("", "", "", "");
    AddEntry("bank", "", "pin 1234", "");
    std::string path = folder_.Path("export.txt");
    EXPECT_EQ(Export(path), std::vector<std::string>{"File exported."});
    EXPECT_EQ(ReadBytes(path), "mail,joe,,home, work\r\n,,,\r\nbank,,pin 1234,\r\n");
    EXPECT_FALSE(Doc()->IsModified());
}

// A name without an extension gets ".txt", and an existing file is replaced only
// after Yes; a file held by another program is reported and keeps its bytes.
TEST_F(TextFile, ExportReplacesOnlyWhatItCanOpen)
{
    AddEntry("a", "b", "c", "d");
    const struct {
        const char* typed;
        bool bHeld;
        const char* message;
        std::string bytes;
    } cases[] = {{"out", false, "File exported.", "a,b,c,d\r\n"},
                 {"out.txt", true, "Error opening export file.", "old"}};
    for (const auto& c : cases) {
        const std::string path = folder_.Path("out.txt");
        WriteBytes(path, c.bHeld ? "old" : std::string(5000, 'x'));
        HANDLE held =
            c.bHeld ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        std::vector<std::string> texts = Export(folder_.Path(c.typed), true);
        if (held) CloseHandle(held);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1], c.message);
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

TEST_F(TextFile, ImportAppendsEveryLineAndMarksTheDatabaseModified)
{
    AddEntry("kept", "", "", "");
    std::string path = folder_.Path("in.txt");
    WriteBytes(path, "mail,joe,,home, work\r\nno commas at all\nx,y\r\r\n");
    std::vector<harness::MessageBoxInfo> boxes = Import(path);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "4 records imported.");
    EXPECT_EQ(boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
    ASSERT_EQ(Doc()->m_EntryList.GetCount(), 5);
    EXPECT_EQ(Doc()->m_EntryList.GetAt(0).m_strFor, "kept");
    CEntry first = Doc()->m_EntryList.GetAt(1);
    EXPECT_EQ(first.m_strNotes, "home, work");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(2).m_strNotes, "no commas at all");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(3).m_strNotes, "y");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(4), CEntry());  // the lone CR ends an empty line
    EXPECT_TRUE(Doc()->IsModified());

    Import(path);
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 9);
}

// An empty file still marks the database modified; one held exclusively by
// another program is reported and changes nothing.
TEST_F(TextFile, ImportOfAnEmptyOrHeldFile)
{
    std::string path = folder_.Path("in.txt");
    for (bool bHeld : {false, true}) {
        StartNew();
        WriteBytes(path, bHeld ? "a,b,c,d\r\n" : "");
        HANDLE held = bHeld ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        std::vector<harness::MessageBoxInfo> boxes = Import(path);
        if (held) CloseHandle(held);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, bHeld ? "Error opening import file." : "0 records imported.");
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), 0);
        EXPECT_EQ(Doc()->IsModified(), !bHeld);
    }
}

TEST_F(TextFile, CancelledDialogsDoNothing)
{
    AddEntry("a", "", "", "");
    harness::ModalDriver driver;
    driver.ExpectDialog("Export File").Click(IDCANCEL);
    driver.ExpectDialog("Import File").PressEscape();
    Command(ID_FILE_EXPORT);
    Command(ID_FILE_IMPORT);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 1);
    EXPECT_FALSE(Doc()->IsModified());
}

}  // namespace
}  // namespace apptest
