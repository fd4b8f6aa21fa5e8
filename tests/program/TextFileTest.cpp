// File > Export and File > Import through the real file dialogs.
#include "ProgramFixture.h"

#include "app/resource.h"

namespace apptest {
namespace {

using TextFile = ProgramFixture;

// Opens path exclusively, as another program may hold a file, or does nothing.
HANDLE Hold(const std::string& path, bool bHold)
{
    return bHold ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
}

// One line per entry; a bare name gets .txt; replaced after Yes; a held file reported; Cancel no-op.
TEST_F(TextFile, ExportWritesOneLinePerEntryWhereItMay)
{
    Doc()->m_EntryList.Add(CEntry("mail", "joe", "", "home, work"));
    Doc()->m_EntryList.Add(CEntry());
    Doc()->m_EntryList.Add(CEntry("bank", "", "pin 1234", ""));
    const std::string lines = "mail,joe,,home, work\r\n,,,\r\nbank,,pin 1234,\r\n", longer(5000, 'x');
    const struct {
        const char* typed;   // nullptr: Cancel
        std::string before;  // the file's bytes, empty for none
        bool bHeld;
        const char* message;
        std::string after;
    } cases[] = {{"out", "", false, "File exported.", lines},
                 {"out.txt", longer, false, "File exported.", lines},
                 {"out.txt", "old", true, "Error opening export file.", "old"},
                 {nullptr, "", false, nullptr, ""}};
    const std::string path = folder_.Path("out.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "Cancel");
        DeleteFileA(path.c_str());
        if (!c.before.empty()) WriteBytes(path, c.before);
        HANDLE held = Hold(path, c.bHeld);
        harness::ModalDriver driver;
        if (c.typed) {
            driver.ExpectDialog("Export File").SetText(1148, folder_.Path(c.typed)).Click(IDOK);
            if (!c.before.empty()) driver.ExpectMessageBox().Click(IDYES);  // "... already exists."
            driver.ExpectMessageBox(c.message).Click(IDOK);
        } else {
            driver.ExpectDialog("Export File").Click(IDCANCEL);
        }
        Command(ID_FILE_EXPORT);
        if (held) CloseHandle(held);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path), c.after);
        EXPECT_FALSE(Doc()->IsModified());
    }
}

// Every line is appended (the rest in the notes, a lone CR ends a line), again on a second import.
TEST_F(TextFile, ImportAppendsEveryLineAndMarksTheDatabaseModified)
{
    Doc()->m_EntryList.Add(CEntry("kept", "", "", ""));
    std::string path = folder_.Path("in.txt");
    WriteBytes(path, "mail,joe,,home, work\r\nno commas at all\nx,y\r\r\n");
    for (int nTimes = 1; nTimes <= 2; ++nTimes) {
        harness::ModalDriver driver;
        driver.ExpectDialog("Import File").SetText(1148, path).Click(IDOK);
        driver.ExpectMessageBox("4 records imported.", MB_OK | MB_ICONINFORMATION).Click(IDOK);
        Command(ID_FILE_IMPORT);
        ASSERT_TRUE(driver.AllAnswered());
        ASSERT_EQ(Doc()->m_EntryList.GetCount(), 1 + 4 * nTimes);
    }
    EXPECT_EQ(Doc()->m_EntryList.GetAt(0).m_strFor, "kept");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(1), CEntry("mail", "joe", "", "home, work"));
    EXPECT_EQ(Doc()->m_EntryList.GetAt(2).m_strNotes, "no commas at all");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(3).m_strNotes, "y");
    EXPECT_EQ(Doc()->m_EntryList.GetAt(4), CEntry());
    EXPECT_TRUE(Doc()->IsModified());
}

// An empty file marks the database modified; a held one is reported, and it and Cancel change nothing.
TEST_F(TextFile, ImportOfAnEmptyOrHeldFileOrCancelled)
{
    const std::string path = folder_.Path("in.txt");
    const struct {
        const char* bytes;  // nullptr: Cancel
        bool bHeld;
        const char* message;
    } cases[] = {{"", false, "0 records imported."},
                 {"a,b,c,d\r\n", true, "Error opening import file."},
                 {nullptr, false, nullptr}};
    for (const auto& c : cases) {
        StartNew();
        harness::ModalDriver driver;
        if (c.bytes) {
            WriteBytes(path, c.bytes);
            driver.ExpectDialog("Import File").SetText(1148, path).Click(IDOK);
            driver.ExpectMessageBox(c.message).Click(IDOK);
        } else {
            driver.ExpectDialog("Import File").PressEscape();
        }
        HANDLE held = Hold(path, c.bHeld);
        Command(ID_FILE_IMPORT);
        if (held) CloseHandle(held);
        EXPECT_TRUE(driver.AllAnswered()) << c.message;
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), 0);
        EXPECT_EQ(Doc()->IsModified(), c.bytes && !c.bHeld) << c.message;
    }
}

}  // namespace
}  // namespace apptest
