// Another program (vaultry-cli.exe, or this test) saves the open database: a save asks,
// then merges, replaces or saves nothing; an unchanged window reloads the file.
#include <algorithm>
#include <thread>

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

CEntry E(const char* pszFor) { return CEntry(pszFor, "", "", ""); }
const CEntry kMine("mine", "me", "p", "");

std::string Report(int nAdded, int nChanged)
{
    return "The changes another program saved in db.vty were merged with those made here, and the result saved."
           "\n\nFrom there: " +
           std::to_string(nAdded) + " added, " + std::to_string(nChanged) + " changed, 0 deleted.";
}

CEntryList Join(CEntryList list, std::initializer_list<CEntry> more)
{
    for (const CEntry& entry : more) list.Add(entry);
    return list;
}

class OutsideChange : public ProgramFixture {
protected:
    // Opens path_ holding base, and adds kMine in the window.
    void OpenAndAdd(const CEntryList& base, const char* password = nullptr)
    {
        StartNew();
        WriteDatabaseFile(path_, base, password);
        harness::ModalDriver driver;
        if (password) driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, password).Click(IDOK);
        ASSERT_TRUE(Open(path_));
        Doc()->m_EntryList.Add(kMine);
        Doc()->SetModifiedFlag(TRUE);
    }

    // `vaultry-cli command "db.vty" arguments` as its own process, input its standard input.
    void Cli(const std::string& command, const std::string& arguments, const std::string& input = "")
    {
        std::string exe = std::string("Z:") + VAULTRY_CLI_PATH;  // Wine's drive for "/"
        std::replace(exe.begin(), exe.end(), '/', '\\');
        std::string line = "\"" + exe + "\" " + command + " \"" + path_ + "\" " + arguments;
        WriteBytes(folder_.Path("cli.in"), input);
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput =
            CreateFileA(folder_.Path("cli.in").c_str(), GENERIC_READ, 0, &inherit, OPEN_EXISTING, 0, nullptr);
        startup.hStdOutput = startup.hStdError =
            CreateFileA(folder_.Path("cli.err").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
        PROCESS_INFORMATION process = {};
        DWORD dwCode = ~0u;
        if (CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                           &process)) {
            WaitForSingleObject(process.hProcess, 30000);
            GetExitCodeProcess(process.hProcess, &dwCode);
        }
        for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, process.hProcess, process.hThread})
            CloseHandle(handle);
        EXPECT_EQ(dwCode, 0u) << line << ":\n" << ReadBytes(folder_.Path("cli.err"));
    }

    // Whether the window shows these entries within the time (a reload takes 1 to 2 s).
    static bool Shows(const CEntryList& expected, DWORD dwTimeoutMs = 6000)
    {
        return harness::WaitUntil([&] { return bool(SameEntries(Doc()->m_EntryList, expected)); }, dwTimeoutMs);
    }

    const std::string path_ = folder_.Path("db.vty");
};

// vaultry-cli adds an entry and edits one while the window adds one (and edits the
// same one: a conflict). File Save asks before the lock (no session end may start a
// save meanwhile) and on Yes merges, once more with what was saved while it asked,
// and reports; at session end it merges unasked.
TEST_F(OutsideChange, SaveOfAChangedFileAsksAndMergesReplacesOrSavesNothing)
{
    const CEntryList base = MakeList({CEntry("first", "ann", "1", ""), CEntry("second", "bob", "2", "")});
    WriteDatabaseFile(path_, base);
    Cli("add", "--for fromcli --generate 8 -q");
    Cli("edit", "first --username cliuser -q");
    const std::string theirs = ReadBytes(path_);
    const CEntryList saved = ReadDatabaseFile(path_).list;  // first (cliuser), second, fromcli
    const CEntry myFirst("first", "me", "1", "");
    const CEntryList conflict = MakeList({saved.GetAt(0), myFirst, saved.GetAt(1), saved.GetAt(2), E("late"), kMine});
    const struct {
        int nAnswer;  // 0: the session ends
        bool bConflict;
        CEntryList expected;
        std::string report;
    } cases[] = {{IDYES, false, Join(saved, {E("late"), kMine}), Report(2, 1)},
                 {IDNO, false, Join(base, {kMine}), ""},
                 {IDCANCEL, false, saved, ""},
                 {0, false, Join(saved, {kMine}), ""},
                 {IDYES, true, conflict,
                  Report(3, 0) + "\n\nChanged both there and here, so both versions were kept:\n    first "
                                 "(cliuser): rows 1 (there) and 2 (here)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        OpenAndAdd(base);
        if (c.bConflict) Doc()->m_EntryList.SetAt(0, myFirst);
        WriteBytes(path_, theirs);
        harness::ModalDriver driver;
        if (c.nAnswer == 0) {
            driver.ExpectMessageBox("Save changes to db.vty?").Click(IDYES);
            EXPECT_NE(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
        } else {
            driver.ExpectMessageBox(kQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION)
                .Call([&](HWND) {
                    if (c.nAnswer != IDYES) return;
                    EXPECT_NO_THROW(CDatabaseLock().Acquire(path_.c_str(), 0));
                    EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
                    SaveDatabaseFile(path_.c_str(), Join(saved, {E("late")}), 0, kBuiltInKey);
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
    const CEntryList base = MakeList({E("first")}), added = MakeList({E("first"), E("added")});
    const struct {
        const char* password;  // the file's now; 0: not locked
        bool bAdded;           // else vaultry-cli only changed the password
        const char* typed;     // into the unlock dialog; 0: not asked, "": Cancel
    } cases[] = {{"pw", true, 0}, {"new", false, "new"}, {"new", true, ""}, {"new", true, "wrong"}, {0, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password ? c.password : "no lock");
        OpenAndAdd(base, "pw");
        if (c.bAdded)
            WriteDatabaseFile(path_, added, c.password);
        else
            Cli("passwd", "-q --password-stdin", "pw\nnew\nnew\n");
        const std::string theirs = ReadBytes(path_);
        const bool bSaves = !c.typed || std::string(c.typed) == c.password;
        harness::ModalDriver driver;
        if (c.typed)
            driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, c.typed).Click(*c.typed ? IDOK : IDCANCEL);
        if (!bSaves && *c.typed) driver.ExpectMessageBox(DatabaseStatusMessage(DatabaseStatus::unreadable)).Click(IDOK);
        if (c.bAdded && bSaves) driver.ExpectMessageBox(kQuestion).Click(IDYES);
        if (c.bAdded && bSaves) driver.ExpectMessageBox(Report(1, 0)).Click(IDOK);
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path_) == theirs && Doc()->IsModified(), !bSaves);
        if (!bSaves) continue;
        Doc()->m_EntryList.Add(E("last"));  // saved once more, asking nothing
        Command(ID_FILE_SAVE);
        ReadBack back = ReadDatabaseFile(path_, c.password);
        EXPECT_EQ(back.wLocked, c.password ? 1 : 0);
        EXPECT_TRUE(SameEntries(back.list, Join(c.bAdded ? added : base, {kMine, E("last")})));
    }
}

// A file that no longer reads as a database is replaced only on Yes, one that is
// gone is written unasked. After a save that failed following a merge, the file it
// merged is the base: the next save asks nothing and brings nothing in twice.
TEST_F(OutsideChange, UnreadableGoneAndUnwritableFiles)
{
    const CEntryList base = MakeList({E("first")}), theirs = MakeList({E("first"), E("theirs")});
    for (int nAnswer : {IDNO, IDYES, 0}) {  // 0: gone
        OpenAndAdd(base);
        nAnswer ? WriteBytes(path_, "notes") : CFile::Remove(path_.c_str());
        harness::ModalDriver driver;
        if (nAnswer)
            driver
                .ExpectMessageBox("db.vty was changed by another program since it was opened here, and no longer "
                                  "reads as a database:\n\nThis is not a Vaultry database, or else it is "
                                  "corrupted.\n\nReplace it with the entries shown here?",
                                  MB_YESNO | MB_ICONEXCLAMATION)
                .Click(nAnswer);
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadBytes(path_) == "notes", nAnswer == IDNO);
    }
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, Join(base, {kMine})));

    OpenAndAdd(base);
    WriteDatabaseFile(path_, theirs);
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    harness::ModalDriver driver;
    driver.ExpectMessageBox(kQuestion).Click(IDYES);
    driver.ExpectMessageBox("Error saving database.").Click(IDOK);
    EXPECT_FALSE(Doc()->OnSaveDocument(path_.c_str()));
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Doc()->OnSaveDocument(path_.c_str()));
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(path_).list, Join(theirs, {kMine})));
}

// A file that shares too little with the base (every entry changed) is merged as a
// union: nothing is deleted, and entries of the same For and Username are listed.
TEST_F(OutsideChange, UnrelatedFileIsMergedAsAUnion)
{
    OpenAndAdd(SampleEntries(2100));
    CEntryList theirs;  // every entry changed
    for (int i = 0; i < 2100; ++i) theirs.Add(CEntry(("other " + std::to_string(i)).c_str(), "", "", ""));
    theirs.Add(CEntry("mine", "me", "changed there", ""));
    WriteDatabaseFile(path_, theirs);
    harness::ModalDriver driver;
    driver.ExpectMessageBox(kQuestion).Click(IDYES);
    driver
        .ExpectMessageBox(Report(2101, 0) + "\n\nThe two versions differ too much to be merged entry by entry: no "
                                            "entry was deleted.\n\nEntries with the same For and Username, to "
                                            "review:\n    mine (me): rows 2101, 4202")
        .Click(IDOK);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(ReadDatabaseFile(path_).list.GetCount(), 4202);
}

// With no unsaved change, another program's save shows within seconds, the selected
// entry staying selected; never while a dialog is open; a burst of saves is read a
// handful of times; a change that does not open with the window's key is told once.
TEST_F(OutsideChange, UnchangedWindowReloadsTheFile)
{
    const CEntryList base = SampleEntries(3);
    WriteDatabaseFile(path_, base, "pw");
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(IDC_PASSWORD, "pw").Click(IDOK);
    ASSERT_TRUE(Open(path_));
    View()->GetListCtrl().SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Cli("rm", "\"site 0\" --yes -q --password-stdin", "pw\n");
    EXPECT_TRUE(Shows(MakeList({base.GetAt(1), base.GetAt(2)})));
    EXPECT_EQ(View()->m_nSelected, 0);

    driver.ExpectDialog("About Vaultry")
        .Call([&](HWND) {
            WriteDatabaseFile(path_, base);  // and no longer locked
            EXPECT_FALSE(Shows(base, 2500)) << "reloaded while a dialog was open";
        })
        .Click(IDOK);
    Command(ID_APP_ABOUT);
    EXPECT_TRUE(Shows(base));
    EXPECT_EQ(View()->m_nSelected, 1);
    EXPECT_FALSE(Doc()->IsModified());

    const int nReloads = Doc()->m_nReloads;
    std::thread script([&] {
        for (int n = 1; n <= 100; ++n) SaveDatabaseFile(path_.c_str(), SampleEntries(n), 0, kBuiltInKey);
    });
    EXPECT_TRUE(Shows(SampleEntries(100)));
    script.join();
    EXPECT_LE(Doc()->m_nReloads - nReloads, 5);

    driver
        .ExpectMessageBox("db.vty was changed by another program, and no longer opens with the password used "
                          "here.\n\nThe entries shown here stay; the next save asks for its password.",
                          MB_OK | MB_ICONINFORMATION)
        .Click(IDOK);
    WriteDatabaseFile(path_, base, "other");
    EXPECT_TRUE(harness::WaitUntil([&] { return bool(driver.AllAnswered()); }, 6000));
    WriteDatabaseFile(path_, SampleEntries(4), "other");
    EXPECT_FALSE(Shows(SampleEntries(4), 2500));  // nor told again: the list stays
}

}  // namespace
}  // namespace apptest
