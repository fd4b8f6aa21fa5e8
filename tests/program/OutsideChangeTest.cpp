// Another program saves the open database (vaultry-cli.exe, or this test writing
// the file itself): a save asks, then merges, replaces or saves nothing, with the
// file's key; with no unsaved change the window reloads the file.
#include <iostream>
#include <thread>

#include "CliProcess.h"
#include "ProgramFixture.h"
#include "app/resource.h"
#include "database/core/DatabaseLock.h"
#include "database/core/SafeDatabaseWriter.h"
#include "harness/ProgramDriver.h"

namespace apptest {
namespace {

const char kQuestion[] = "db.vty was changed by another program since it was opened here.\n\n"
                         "Yes: merge: keep the changes made there and those made here, and save the result.\n"
                         "No: save the entries shown here over it; the changes made there are lost.\n"
                         "Cancel: save nothing.";
const CEntry kMine("from the window", "me", "p", "");

std::string Report(int nAdded, int nChanged)
{
    return "The changes another program saved in db.vty were merged with those made here, and the result saved."
           "\n\nFrom there: " +
           std::to_string(nAdded) + " added, " + std::to_string(nChanged) + " changed, 0 deleted.";
}

CEntryList Join(CEntryList list, const CEntryList& more)
{
    for (int i = 0; i < more.GetCount(); ++i) list.Add(more.GetAt(i));
    return list;
}

class OutsideChange : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        path_ = folder_.Path("db.vty");
    }

    // Opens path_ holding base, and adds kMine in the window.
    void OpenAndAdd(const CEntryList& base, const char* password = nullptr)
    {
        WriteDatabaseFile(path_, base, password);
        harness::ModalDriver driver;
        if (password) driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, password).Click(IDOK);
        ASSERT_TRUE(Open(path_));
        Doc()->m_EntryList.Add(kMine);
        Doc()->SetModifiedFlag(TRUE);
        Doc()->UpdateAllViews(nullptr);
    }

    int Cli(const std::string& command, const std::string& arguments, const std::string& input = "")
    {
        return RunCli(command, path_, arguments, input);
    }

    // Whether the window shows these entries within the time (a reload takes 1 to 2 s).
    static bool Reloaded(const CEntryList& expected, DWORD dwTimeoutMs = 6000)
    {
        return harness::WaitUntil([&] { return bool(SameEntries(Doc()->m_EntryList, expected)); }, dwTimeoutMs);
    }

    std::string path_;
};

// vaultry-cli adds an entry and edits one while the window adds one; File Save asks
// before the lock (no session end may start a save meanwhile), and on Yes merges,
// again with what was saved while it asked; at session end it merges unasked.
TEST_F(OutsideChange, SaveOfAChangedFileAsksAndMergesReplacesOrSavesNothing)
{
    const CEntryList base = MakeList({CEntry("first", "ann", "1", ""), CEntry("second", "bob", "2", "")});
    WriteDatabaseFile(path_, base);
    ASSERT_EQ(Cli("add", "--for fromcli --generate 8 -q"), 0);
    ASSERT_EQ(Cli("edit", "second --username cliuser -q"), 0);
    const std::string theirs = ReadBytes(path_);
    const CEntryList saved = ReadDatabaseFile(path_).list;  // first, second (cliuser), fromcli
    const CEntry late("saved while the question was open", "", "", "");
    const struct {
        int nAnswer;  // 0: the session ends
        CEntryList expected;
        std::string report;
    } cases[] = {
        {IDYES, Join(saved, MakeList({late, kMine})), Report(2, 1)},
        {IDNO, Join(base, MakeList({kMine})), ""},
        {IDCANCEL, saved, ""},
        {0, Join(saved, MakeList({kMine})), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        StartNew();
        OpenAndAdd(base);
        WriteBytes(path_, theirs);
        harness::ModalDriver driver;
        if (c.nAnswer == 0) {
            driver.ExpectMessageBox("Save changes to db.vty?").Click(IDYES);
            EXPECT_NE(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
        } else {
            driver.ExpectMessageBox(kQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION)
                .Call([&](HWND) {
                    if (c.nAnswer != IDYES) return;
                    CDatabaseLock lock;
                    EXPECT_NO_THROW(lock.Acquire(path_.c_str(), 0));
                    lock.Release();
                    EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
                    ASSERT_EQ(SaveDatabaseFile(path_.c_str(), Join(saved, MakeList({late})), 0, kBuiltInKey),
                              DatabaseStatus::ok);
                })
                .Click(c.nAnswer);
            if (!c.report.empty()) driver.ExpectMessageBox(c.report, MB_OK | MB_ICONINFORMATION).Click(IDOK);
            Command(ID_FILE_SAVE);
        }
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, c.expected));
        EXPECT_EQ(Doc()->IsModified(), c.nAnswer == IDCANCEL);
        EXPECT_TRUE(c.nAnswer == IDCANCEL || SameEntries(Doc()->m_EntryList, c.expected));
    }
}

// A changed file that does not open with the window's key asks for its password;
// what is saved keeps the file's lock and key, and the window goes on with them.
TEST_F(OutsideChange, ChangedFileIsReadAndSavedWithItsOwnKey)
{
    const CEntryList base = MakeList({CEntry("first", "ann", "1", "")});
    const CEntryList added = Join(base, MakeList({CEntry("added there", "", "", "")}));
    const struct {
        const char* name;
        const char* password;  // the file's now; nullptr: not locked
        bool bChanged;         // entries added there (else only the key changed, by vaultry-cli)
        const char* typed;     // into the unlock dialog; nullptr: not asked, "": Cancel
    } cases[] = {
        {"same password", "pw", true, nullptr},
        {"re-keyed", "new", false, "new"},
        {"re-keyed, unlock cancelled", "new", true, ""},
        {"lock removed", nullptr, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartNew();
        OpenAndAdd(base, "pw");
        if (c.bChanged)
            WriteDatabaseFile(path_, added, c.password);
        else
            ASSERT_EQ(Cli("passwd", "-q --password-stdin", "pw\nnew\nnew\n"), 0);
        const std::string theirs = ReadBytes(path_);
        const bool bSaves = !c.typed || *c.typed;
        harness::ModalDriver driver;
        if (c.typed && *c.typed) driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, c.typed).Click(IDOK);
        if (c.typed && !*c.typed) driver.ExpectDialog("Password Protection").Click(IDCANCEL);
        if (bSaves && c.bChanged) {
            driver.ExpectMessageBox(kQuestion).Click(IDYES);
            driver.ExpectMessageBox(Report(1, 0)).Click(IDOK);
        }
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(driver.AllAnswered());
        if (!bSaves) {
            EXPECT_EQ(ReadBytes(path_), theirs);
            EXPECT_TRUE(Doc()->IsModified());
            continue;
        }
        // Saved once more from the window, asking nothing: with the file's key.
        Doc()->m_EntryList.Add(CEntry("last", "", "", ""));
        Command(ID_FILE_SAVE);
        ReadBack back = ReadDatabaseFile(path_, c.password);
        EXPECT_EQ(back.wLocked, c.password ? 1 : 0);
        EXPECT_TRUE(
            SameEntries(back.list, Join(c.bChanged ? added : base, MakeList({kMine, CEntry("last", "", "", "")}))));
    }
}

// A file that no longer reads as a database is replaced only on Yes; a file that
// is gone is written unasked. A save that fails after a merge keeps the file it
// merged as the base: the next save asks nothing and brings nothing in twice.
TEST_F(OutsideChange, UnreadableGoneAndUnwritableFiles)
{
    const CEntryList base = MakeList({CEntry("first", "", "", "")});
    const std::string question = "db.vty was changed by another program since it was opened here, and no longer "
                                 "reads as a database:\n\nThis is not a Vaultry database, or else it is "
                                 "corrupted.\n\nReplace it with the entries shown here?";
    for (int nAnswer : {IDNO, IDYES}) {
        StartNew();
        OpenAndAdd(base);
        WriteBytes(path_, "notes of the user's");
        harness::ModalDriver driver;
        driver.ExpectMessageBox(question, MB_YESNO | MB_ICONEXCLAMATION).Click(nAnswer);
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(driver.AllAnswered());
        if (nAnswer == IDNO)
            EXPECT_EQ(ReadBytes(path_), "notes of the user's");
        else
            EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, Join(base, MakeList({kMine}))));
    }

    StartNew();
    OpenAndAdd(base);
    CFile::Remove(path_.c_str());
    {
        harness::ModalDriver driver;
        Command(ID_FILE_SAVE);
    }
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, Join(base, MakeList({kMine}))));

    StartNew();
    OpenAndAdd(base);
    const CEntryList theirs = Join(base, MakeList({CEntry("theirs", "", "", "")}));
    WriteDatabaseFile(path_, theirs);
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    harness::ModalDriver driver;
    driver.ExpectMessageBox(kQuestion).Click(IDYES);
    driver.ExpectMessageBox("Error saving database.").Click(IDOK);
    EXPECT_FALSE(Doc()->OnSaveDocument(path_.c_str()));
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Doc()->OnSaveDocument(path_.c_str()));
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, Join(theirs, MakeList({kMine}))));
}

// With no unsaved change, another program's save shows within seconds, keeping
// the selected entry selected; never while a dialog is open, and a burst of saves
// is read a handful of times.
TEST_F(OutsideChange, UnchangedWindowReloadsTheFile)
{
    const CEntryList base = SampleEntries(3);
    WriteDatabaseFile(path_, base);
    {
        harness::ModalDriver driver;
        ASSERT_TRUE(Open(path_));
    }
    View()->GetListCtrl().SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_EQ(Cli("rm", "\"site 0\" --yes -q"), 0);
    const CEntryList shorter = MakeList({base.GetAt(1), base.GetAt(2)});
    ASSERT_TRUE(Reloaded(shorter));
    EXPECT_EQ(View()->m_nSelected, 0);
    EXPECT_FALSE(Doc()->IsModified());

    harness::ModalDriver driver;
    driver.ExpectDialog("About Vaultry")
        .Call([&](HWND) {
            WriteDatabaseFile(path_, base);
            EXPECT_FALSE(Reloaded(base, 2500)) << "reloaded while a dialog was open";
        })
        .Click(IDOK);
    Command(ID_APP_ABOUT);
    EXPECT_TRUE(Reloaded(base));
    EXPECT_EQ(View()->m_nSelected, 1);

    const int nReloads = Doc()->m_nReloads;
    std::thread script([&] {
        for (int n = 1; n <= 100; ++n) SaveDatabaseFile(path_.c_str(), SampleEntries(n), 0, kBuiltInKey);
    });
    EXPECT_TRUE(Reloaded(SampleEntries(100)));
    script.join();
    std::cout << "[ figures  ] 100 saves by another program: " << Doc()->m_nReloads - nReloads << " reloads\n";
    EXPECT_LE(Doc()->m_nReloads - nReloads, 5);
}

// A change that does not open with the window's key is told once; the entries stay.
TEST_F(OutsideChange, UnreadableChangeIsToldOnceAndTheEntriesStay)
{
    WriteDatabaseFile(path_, SampleEntries(2), "pw");
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, "pw").Click(IDOK);
    ASSERT_TRUE(Open(path_));
    driver
        .ExpectMessageBox("db.vty was changed by another program, and no longer opens with the password used "
                          "here.\n\nThe entries shown here stay; the next save asks for its password.",
                          MB_OK | MB_ICONINFORMATION)
        .Click(IDOK);
    WriteDatabaseFile(path_, SampleEntries(3), "other");
    EXPECT_TRUE(harness::WaitUntil([&] { return bool(driver.AllAnswered()); }, 6000));
    WriteDatabaseFile(path_, SampleEntries(4), "other");
    EXPECT_FALSE(Reloaded(SampleEntries(4), 2500));
    EXPECT_TRUE(SameEntries(Doc()->m_EntryList, SampleEntries(2)));
}

}  // namespace
}  // namespace apptest
