// Saving through the program: the password question after New and Save As, the
// lock flag of unlocked databases, the quiet re-save after Open, and the guarantees of the replace-on-success writer
// (the old file survives every failure, and no stray file is left).
#include <filesystem>

#include "ProgramFixture.h"

#include "common/FailingFile.h"
#include "harness/WindowQueries.h"

namespace apptest {
namespace {

const char kSaveError[] = "Error saving database.";

class DocumentSave : public ProgramFixture {
protected:
    // Save As through the real file dialog, then the set-password dialog.
    void SaveAs(harness::ModalDriver& driver, const std::string& path)
    {
        driver.ExpectDialog("Save As").SetText(1148, path).Click(IDOK);
    }
    void AddEntries(int n)
    {
        CEntryList list = SampleEntries(n);
        for (int i = 0; i < n; ++i) Doc()->m_EntryList.Add(list.GetAt(i));
        Doc()->SetModifiedFlag(TRUE);
    }
};

// The name typed without an extension gets the database's.
TEST_F(DocumentSave, NewDatabaseSavedLockedThenReopenedWithItsPassword)
{
    AddEntries(3);
    std::string path = folder_.Path("locked.vty");
    harness::ModalDriver driver;
    driver.ExpectDialog("Save As")
        .Call([](HWND dlg) { EXPECT_EQ(harness::ControlText(dlg, 1136), "Vaultry Databases (*.vty)"); })
        .SetText(1148, folder_.Path("locked"))
        .Click(IDOK);
    driver.ExpectDialog("Password Protection")
        .Call([](HWND dlg) {
            EXPECT_EQ(SendDlgItemMessageA(dlg, 1003, EM_GETPASSWORDCHAR, 0, 0), '*');
            EXPECT_EQ(SendDlgItemMessageA(dlg, 1004, EM_GETPASSWORDCHAR, 0, 0), '*');
        })
        .Type(1003, "Se cret")
        .Type(1004, "Se cret")
        .Click(IDOK);
    Command(ID_FILE_SAVE);  // no path yet: Save behaves as Save As
    ASSERT_TRUE(driver.AllAnswered());
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Title(), "locked.vty");

    ReadBack back = ReadDatabaseFile(path, "Se cret");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.wLocked, 1);
    EXPECT_TRUE(SameEntries(back.list, SampleEntries(3)));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"locked.vty"});
}

// Do not lock writes the lock flag 0, and so does a save of a file whose flag is
// neither 0 nor 1 (which means not locked); either opens again without a question.
TEST_F(DocumentSave, UnlockedDatabasesAreSavedWithLockFlagZero)
{
    std::string path = folder_.Path("open.vty");
    for (bool bOddFlag : {false, true}) {
        SCOPED_TRACE(bOddFlag ? "odd flag" : "do not lock");
        StartNew();
        harness::ModalDriver driver;
        if (bOddFlag) {
            std::string bytes = ReadBytes(path);
            bytes[11] = 2;
            WriteBytes(path, bytes);
            ASSERT_TRUE(AfxGetApp()->OpenDocumentFile(path.c_str()));
            AddEntries(1);
            Command(ID_FILE_SAVE);
        } else {
            AddEntries(2);
            SaveAs(driver, path);
            driver.ExpectDialog("Password Protection").Type(1003, "ignored").Check(1010).Click(IDOK);
            Command(ID_FILE_SAVE_AS);
        }
        ASSERT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path).substr(11, 2), std::string(2, '\0'));
        StartNew();
        ASSERT_TRUE(AfxGetApp()->OpenDocumentFile(path.c_str()));
        EXPECT_TRUE(driver.MessageBoxes().empty());
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), bOddFlag ? 3 : 2);
    }
}

// After Save As every Save asks for a password again; the file opened first is
// left as it was.
TEST_F(DocumentSave, AfterSaveAsEverySaveAsksForThePassword)
{
    std::string path = folder_.Path("db.vty"), other = folder_.Path("other.vty");
    WriteDatabaseFile(path, SampleEntries(2), "first");
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(1003, "first").Click(IDOK);
    ASSERT_TRUE(AfxGetApp()->OpenDocumentFile(path.c_str()));
    AddEntries(1);
    SaveAs(driver, other);
    driver.ExpectDialog("Password Protection").Type(1003, "second").Type(1004, "second").Click(IDOK);
    Command(ID_FILE_SAVE_AS);
    driver.ExpectDialog("Password Protection").Type(1003, "third").Type(1004, "third").Click(IDOK);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(ReadDatabaseFile(other, "third").list.GetCount(), 3);
    EXPECT_EQ(ReadDatabaseFile(path, "first").list.GetCount(), 2);
}

TEST_F(DocumentSave, ClosingThePasswordDialogEndsTheSaveWithoutTouchingTheFile)
{
    std::string path = folder_.Path("keep.vty");
    WriteDatabaseFile(path, SampleEntries(2));
    const std::string before = ReadBytes(path);
    AddEntries(1);
    for (int how = 0; how < 3; ++how) {
        harness::ModalDriver driver;
        if (how == 2) {  // the Save As dialog itself cancelled
            driver.ExpectDialog("Save As").Click(IDCANCEL);
        } else {
            SaveAs(driver, path);
            driver.ExpectMessageBox().Click(IDYES);  // "... already exists. Replace it?"
            harness::ModalAnswer& answer = driver.ExpectDialog("Password Protection").Type(1003, "x");
            if (how == 0)
                answer.PressEscape();
            else
                answer.Close();
        }
        Command(ID_FILE_SAVE_AS);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_TRUE(driver.MessageBoxes().size() <= 1u);
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_TRUE(Doc()->IsModified());
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{"keep.vty"});
    }
}

// Changes are offered for saving before New and before the session ends: Cancel
// keeps them, No drops them, Yes saves them first.
TEST_F(DocumentSave, ChangesAreOfferedForSavingBeforeTheyAreDropped)
{
    std::string path = folder_.Path("ask.vty");
    const struct {
        bool bSessionEnd;
        int nAnswer;
        bool bGoesOn;
        int nSaved;
    } cases[] = {{false, IDCANCEL, false, 1}, {false, IDNO, true, 1}, {false, IDYES, true, 2},
                 {true, IDCANCEL, false, 1},  {true, IDNO, true, 1},  {true, IDYES, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.bSessionEnd ? "session end, " : "New, ") << c.nAnswer);
        WriteDatabaseFile(path, SampleEntries(1));
        StartNew();
        harness::ModalDriver driver;
        ASSERT_TRUE(AfxGetApp()->OpenDocumentFile(path.c_str()));
        AddEntries(1);
        driver.ExpectMessageBox("Save changes to ask.vty?").Click(c.nAnswer);
        if (c.bSessionEnd)
            EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) != 0, c.bGoesOn);
        else
            Command(ID_FILE_NEW);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(Title() == "Untitled", c.bGoesOn && !c.bSessionEnd);
        EXPECT_EQ(Doc()->IsModified(), c.nAnswer == IDCANCEL || (c.bSessionEnd && c.nAnswer == IDNO));
        EXPECT_EQ(ReadDatabaseFile(path).list.GetCount(), c.nSaved);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].Style(), static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
    }
}

// A document of its own, not the program's: saved directly, as File Save would.
class DocumentSaveFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = folder_.Path("precious.vty");
        WriteDatabaseFile(path_, SampleEntries(3));
        before_ = ReadBytes(path_);
        doc_.m_bAskPassword = FALSE;
        doc_.m_wLocked = 0;
        doc_.m_strPassword = kBuiltInKey;
    }
    TempFolder folder_;
    std::string path_;
    std::string before_;
    CFailingWriter<CVaultryDoc> doc_;
};

TEST_F(DocumentSaveFailure, DiskFullPartWayKeepsTheOldFileAndTheChanges)
{
    CEntryList list = SampleEntries(40);
    for (int i = 0; i < list.GetCount(); ++i) doc_.m_EntryList.Add(list.GetAt(i));
    for (ULONGLONG bytes : {0u, 15u, 23u, 115u}) {  // in the header, then 0, 8 and 100 bytes into the body
        SCOPED_TRACE(bytes);
        doc_.m_nFailAt = bytes;
        doc_.SetModifiedFlag(TRUE);
        harness::ModalDriver driver;
        driver.ExpectMessageBox(kSaveError).Click(IDOK);
        EXPECT_FALSE(doc_.OnSaveDocument(path_.c_str()));
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path_), before_);
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{"precious.vty"});
        EXPECT_TRUE(doc_.IsModified());
    }
}

TEST_F(DocumentSaveFailure, MoreEntriesThanTheFileCanCountAreNotSaved)
{
    CEntry empty;
    for (int i = 0; i <= kMaxEntries; ++i) doc_.m_EntryList.Add(empty);
    doc_.m_nFailAt = ~0ULL;
    harness::ModalDriver driver;
    driver.ExpectMessageBox(DatabaseStatusMessage(DatabaseStatus::tooManyEntries)).Click(IDOK);
    EXPECT_FALSE(doc_.OnSaveDocument(path_.c_str()));
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(ReadBytes(path_), before_);
}

}  // namespace
}  // namespace apptest
