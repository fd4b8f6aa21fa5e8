// Opening and saving databases through the program, its questions and its failures.
#include <shlobj.h>

#include <algorithm>

#include "ProgramFixture.h"
#include "common/FailingFile.h"
#include "harness/WindowQueries.h"

namespace apptest {
namespace {

const char kNotDatabase[] = "This is not a Vaultry database, or else it is corrupted.";
const char kBadRecords[] = "Error reading database.  File is corrupt or password is incorrect.";
const char kNewerVersion[] = "This Vaultry database cannot be read using this version.\n"
                             "See our website for new releases. Select Help, About for website.";

// Whether text lies in this process's heaps or stacks anywhere but at pExcept.
bool InPrivateMemory(const std::string& text, const char* pExcept)
{
    const DWORD kReadable =
        PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE;
    MEMORY_BASIC_INFORMATION mbi;
    for (const char* p = nullptr; VirtualQuery(p, &mbi, sizeof mbi) == sizeof mbi;
         p = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize) {
        if (mbi.State != MEM_COMMIT || mbi.Type != MEM_PRIVATE || !(mbi.Protect & kReadable) ||
            (mbi.Protect & PAGE_GUARD))
            continue;
        const char* begin = static_cast<const char*>(mbi.BaseAddress);
        const char* end = begin + mbi.RegionSize;
        for (const char* hit = begin; (hit = std::search(hit, end, text.begin(), text.end())) != end; ++hit)
            if (hit != pExcept) return true;
    }
    return false;
}

class DocumentOpen : public ProgramFixture {
protected:
    // Opens a database of three entries first, so that failures can be seen to
    // keep or drop it.
    void OpenThreeEntries()
    {
        std::string path = folder_.Path("three.vty");
        WriteDatabaseFile(path, SampleEntries(3));
        harness::ModalDriver driver;
        ASSERT_TRUE(Open(path));
        ASSERT_EQ(Doc()->m_EntryList.GetCount(), 3);
    }
};

// An unlocked database opens unasked, in file order: by File Open, read-only, or dropped.
TEST_F(DocumentOpen, UnlockedDatabaseOpensWithoutAskingInFileOrder)
{
    for (const char* name : {"plain.vty", "readonly.vty", "dropped.vty"}) {
        std::string path = folder_.Path(name);
        WriteDatabaseFile(path, SampleEntries(5));
        if (name[0] == 'r') SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        harness::ModalDriver driver;  // no answers: any dialog fails the test
        if (name[0] == 'd') {
            // A DROPFILES block as the shell makes it: the header, then the names, ended twice.
            HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
            DROPFILES* pDrop = static_cast<DROPFILES*>(GlobalLock(hDrop));
            pDrop->pFiles = sizeof(DROPFILES);
            memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), path.c_str(), path.size() + 1);
            GlobalUnlock(hDrop);
            Frame()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop));
        } else {
            ASSERT_TRUE(Open(path));
        }
        EXPECT_TRUE(SameEntries(Doc()->m_EntryList, SampleEntries(5)));
        EXPECT_EQ(Title(), name);
        EXPECT_FALSE(Doc()->IsModified());
    }
}

// The deciphered body is wiped after the read: a deleted entry leaves no copy of its texts
// once the deletion is saved (the entries as read are kept until then, for a merge).
TEST_F(DocumentOpen, DeletedEntryLeavesNoCopyInMemory)
{
    const std::string marker = "notes that no other text in this process holds";
    std::string path = folder_.Path("secret.vty");
    {
        CEntryList list;
        list.Add(CEntry("site", "user", "password", marker.c_str()));
        WriteDatabaseFile(path, list);
    }
    harness::ModalDriver driver;
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(InPrivateMemory(marker, marker.data()));
    Doc()->m_EntryList.RemoveAll();
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(InPrivateMemory(marker, marker.data()));
}

// A read failing after the header (password wrong, empty, cancelled; long body) ends in a clean New.
TEST_F(DocumentOpen, FailedReadEndsInAnUnmodifiedNewDatabase)
{
    std::string locked = folder_.Path("locked.vty"), longer = folder_.Path("longer.vty");
    WriteDatabaseFile(locked, SampleEntries(4), "right one");
    WriteDatabaseFile(longer, SampleEntries(4));
    WriteBytes(longer, ReadBytes(longer) + "appended");
    const struct {
        const char* password;  // nullptr: Cancel
        bool bLonger;
    } cases[] = {{"wrong one", false}, {"", false}, {nullptr, false}, {"", true}};
    for (const auto& c : cases) {
        OpenThreeEntries();
        Doc()->m_EntryList.Add(CEntry());
        Doc()->SetModifiedFlag(TRUE);
        const std::string three = ReadBytes(folder_.Path("three.vty"));
        harness::ModalDriver driver;
        driver.ExpectMessageBox().Click(IDNO);
        if (!c.bLonger) {
            harness::ModalAnswer& unlock = driver.ExpectDialog("Password Protection");
            if (c.password)
                unlock.Type(1003, c.password).Click(IDOK);
            else
                unlock.Type(1003, "right one").PressEscape();
        }
        if (c.password) driver.ExpectMessageBox(kBadRecords).Click(IDOK);
        EXPECT_FALSE(Open(c.bLonger ? longer : locked));
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(folder_.Path("three.vty")), three);
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), 0);
        EXPECT_EQ(Doc()->GetPathName(), "");
        EXPECT_EQ(Title(), "Untitled");
        EXPECT_FALSE(Doc()->IsModified());
    }
}

// Files failing before the body keep the open database; a missing one fails without a message.
TEST_F(DocumentOpen, FailuresBeforeTheBodyKeepThePreviousDatabase)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;  // nullptr: none
    };
    WriteDatabaseFile(folder_.Path("valid.vty"), SampleEntries(1));
    const std::string valid = ReadBytes(folder_.Path("valid.vty"));
    std::string version2 = valid;
    version2[9] = 2;
    const Case cases[] = {
        {"foreign.vty", "NOTVAULTY and more bytes", kNotDatabase},
        {"empty.vty", "", kNotDatabase},
        {"short.vty", std::string("VAULTRY\x01\x00\x01\x00\x00", 10), "Error reading database."},
        {"version2.vty", version2, kNewerVersion},
        {"nowhere.vty", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenThreeEntries();
        std::string path = folder_.Path(c.name);
        if (c.message) WriteBytes(path, c.bytes);
        harness::ModalDriver driver;
        if (c.message) driver.ExpectMessageBox(c.message).Click(IDOK);
        EXPECT_FALSE(Open(path));
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(Doc()->m_EntryList.GetCount(), 3);
        EXPECT_EQ(Title(), "three.vty");
    }
}

// A database of no entries opens with any password, which its next save uses.
TEST_F(DocumentOpen, CountZeroOpensWithAnyPasswordWhichBecomesTheKey)
{
    std::string path = folder_.Path("nothing.vty");
    WriteDatabaseFile(path, CEntryList(), "original");
    {
        harness::ModalDriver driver;
        driver.ExpectDialog("Password Protection").Type(1003, "other").Click(IDOK);
        ASSERT_TRUE(Open(path));
    }
    Doc()->m_EntryList.Add(CEntry("added", "", "", ""));
    Doc()->SetModifiedFlag(TRUE);
    harness::ModalDriver driver;  // Save after Open asks nothing
    Command(ID_FILE_SAVE);
    ReadBack back = ReadDatabaseFile(path, "other");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.list.GetCount(), 1);
    // The database already open is only shown again: no password is asked.
    Doc()->m_EntryList.Add(CEntry());
    EXPECT_TRUE(Open(folder_.Path("NOTHING.vty")));
    EXPECT_EQ(Doc()->m_EntryList.GetCount(), 2);
}

const char kSaveError[] = "Error saving database.";

class DocumentSave : public ProgramFixture {
protected:
    void AddEntries(int n)
    {
        CEntryList list = SampleEntries(n);
        for (int i = 0; i < n; ++i) Doc()->m_EntryList.Add(list.GetAt(i));
        Doc()->SetModifiedFlag(TRUE);
    }
};

// Do not lock writes the lock flag 0 and enciphers with the built-in key.
TEST_F(DocumentSave, UnlockedDatabasesAreSavedWithLockFlagZero)
{
    std::string path = folder_.Path("open.vty");
    AddEntries(2);
    harness::ModalDriver driver;
    driver.ExpectDialog("Save As").SetText(1148, path).Click(IDOK);
    driver.ExpectDialog("Password Protection").Type(1003, "ignored").Check(1010).Click(IDOK);
    Command(ID_FILE_SAVE_AS);
    ASSERT_TRUE(driver.AllAnswered());
    ReadBack back = ReadDatabaseFile(path);
    EXPECT_EQ(back.wLocked, 0);
    EXPECT_TRUE(SameEntries(back.list, SampleEntries(2)));
}

// Save As adds the extension and asks a hidden password, as every Save after it does.
TEST_F(DocumentSave, SaveAsAsksForANameAndAPasswordAndSoDoesEverySaveAfterIt)
{
    std::string path = folder_.Path("db.vty"), other = folder_.Path("other.vty");
    WriteDatabaseFile(path, SampleEntries(2), "first");
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(1003, "first").Click(IDOK);
    ASSERT_TRUE(Open(path));
    AddEntries(1);
    driver.ExpectDialog("Save As")
        .Call([](HWND dlg) { EXPECT_EQ(harness::ControlText(dlg, 1136), "Vaultry Databases (*.vty)"); })
        .SetText(1148, folder_.Path("other"))
        .Click(IDOK);
    driver.ExpectDialog("Password Protection")
        .Call([](HWND dlg) { EXPECT_EQ(harness::PasswordChar(dlg, 1004), '*'); })
        .Type(1003, "second")
        .Type(1004, "second")
        .Click(IDOK);
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(Title(), "other.vty");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(ReadDatabaseFile(other, "second").wLocked, 1);
    driver.ExpectDialog("Password Protection").Type(1003, "third").Type(1004, "third").Click(IDOK);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(driver.AllAnswered());
    CEntryList expected = SampleEntries(2);
    expected.Add(SampleEntries(1).GetAt(0));
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(other, "third").list, expected));
    EXPECT_EQ(ReadDatabaseFile(path, "first").list.GetCount(), 2);
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"db.vty", "other.vty"}));
}

// Escape in the password dialog, or Cancel in Save As, ends the save: nothing written.
TEST_F(DocumentSave, ClosingThePasswordDialogEndsTheSaveWithoutTouchingTheFile)
{
    std::string path = folder_.Path("keep.vty");
    WriteDatabaseFile(path, SampleEntries(2));
    const std::string before = ReadBytes(path);
    AddEntries(1);
    for (bool bPasswordDialog : {true, false}) {
        harness::ModalDriver driver;
        if (bPasswordDialog) {
            driver.ExpectDialog("Save As").SetText(1148, path).Click(IDOK);
            driver.ExpectMessageBox().Click(IDYES);  // "... already exists. Replace it?"
            driver.ExpectDialog("Password Protection").Type(1003, "x").PressEscape();
        } else {
            driver.ExpectDialog("Save As").Click(IDCANCEL);
        }
        Command(ID_FILE_SAVE);  // no path yet: Save behaves as Save As
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_TRUE(Doc()->IsModified());
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{"keep.vty"});
    }
}

// Changes are offered before New and session end: Cancel keeps them, No drops, Yes saves them.
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
        ASSERT_TRUE(Open(path));
        AddEntries(1);
        driver.ExpectMessageBox("Save changes to ask.vty?", MB_YESNOCANCEL | MB_ICONEXCLAMATION).Click(c.nAnswer);
        if (c.bSessionEnd)
            EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) != 0, c.bGoesOn);
        else
            Command(ID_FILE_NEW);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(Title() == "Untitled", c.bGoesOn && !c.bSessionEnd);
        EXPECT_EQ(Doc()->IsModified(), c.nAnswer == IDCANCEL || (c.bSessionEnd && c.nAnswer == IDNO));
        EXPECT_EQ(ReadDatabaseFile(path).list.GetCount(), c.nSaved);
    }
}

// A disk full part way or too many entries is reported; the old file and the changes are kept.
TEST(DocumentSaveFailure, FailedSaveKeepsTheOldFileAndTheChanges)
{
    TempFolder folder;
    const std::string path = folder.Path("precious.vty");
    WriteDatabaseFile(path, SampleEntries(3));
    const std::string before = ReadBytes(path);
    CFailingWriter<CVaultryDoc> doc;  // a document of its own, saved directly as File Save would
    doc.m_bAskPassword = FALSE;
    doc.m_wLocked = 0;
    doc.m_strPassword = kBuiltInKey;
    const struct {
        ULONGLONG nFailAt;
        int nEntries;
        std::string message;
    } cases[] = {{0, 40, kSaveError},
                 {15, 40, kSaveError},
                 {115, 40, kSaveError},
                 {~0ULL, kMaxEntries + 1, DatabaseStatusMessage(DatabaseStatus::tooManyEntries)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nFailAt);
        doc.m_EntryList.RemoveAll();
        for (int i = 0; i < c.nEntries; ++i) doc.m_EntryList.Add(CEntry());
        doc.m_nFailAt = c.nFailAt;
        doc.SetModifiedFlag(TRUE);
        harness::ModalDriver driver;
        driver.ExpectMessageBox(c.message).Click(IDOK);
        EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"precious.vty"});
        EXPECT_TRUE(doc.IsModified());
    }
}

}  // namespace
}  // namespace apptest
