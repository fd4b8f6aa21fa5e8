// Changes to one database at once: both land, or the later one fails and says
// so; none is lost with exit code 0.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <thread>

#include "cli/CliTestSupport.h"
#include "database/core/DatabaseLock.h"

namespace {

// Twenty vaultry-cli processes (vaultry-cli.exe under Wine in the Windows build)
// add an entry each at the same time. Prints its figures.
TEST(CliConcurrency, TwentyAddsAtOnceLoseNoEntryUnreported)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    WriteDatabaseFile(strDb, CEntryList(), nullptr);
    std::vector<CliResult> results(20);
    std::vector<std::thread> threads;
    for (int i = 0; i < 20; ++i)
        threads.emplace_back([&, i] {
            const std::string strFor = "entry " + std::to_string(i);
            results[i] = RunCliProcess(folder, {"add", strDb, "--for", strFor, "--generate", "8", "-q"}, "", strFor);
        });
    for (std::thread& thread : threads) thread.join();
    std::set<std::string> stored;
    const CEntryList list = ReadDatabaseFile(strDb, nullptr).list;
    for (int i = 0; i < list.GetCount(); ++i) stored.insert(list.GetAt(i).m_strFor.GetString());
    int nRefused = 0;
    for (int i = 0; i < 20; ++i) {
        const bool bRefused = results[i].nCode != 0;
        nRefused += bRefused;
        EXPECT_EQ(stored.count("entry " + std::to_string(i)), bRefused ? 0u : 1u) << results[i].err;
        EXPECT_EQ(results[i].err.empty(), !bRefused) << results[i].err;
    }
    EXPECT_EQ(list.GetCount(), 20 - nRefused);
    std::cout << "[ figures  ] 20 adds at once: " << list.GetCount() << " entries stored, " << nRefused << " refused\n";
}

// Passwords and questions come from the terminal, before the database is locked,
// so the program can save meanwhile (it takes the same lock, and would wait); a
// change then applies to what it saved, and a deletion the user confirmed of an
// entry that has changed since writes nothing.
TEST(CliConcurrency, PromptsComeBeforeTheLockAndNoSaveIsLost)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty"), kAsk = "Password for " + strDb + ": ";
    WriteDatabaseFile(strDb, CEntryList(), "pw");
    CScriptedTerminal terminal;
    int nLockFree = 0;
    CEntryList meanwhile;  // saved at the second prompt when it holds entries
    terminal.beforeAnswer = [&] {
        std::thread([&] {
            try {
                CDatabaseLock lock;
                lock.Acquire(strDb.c_str(), 0);
                ++nLockFree;
            } catch (const CFileException&) {}
        }).join();
        if (terminal.prompts.size() == 2 && meanwhile.GetCount()) WriteDatabaseFile(strDb, meanwhile, "pw");
    };
    const struct {
        std::vector<std::string> args;
        std::deque<std::string> answers;
        CEntryList meanwhile;
        std::vector<std::string> prompts;
        int nCode;
        std::string err;
    } cases[] = {
        {{"add", strDb, "--for", "new"},
         {"pw", "pw", "x", "x"},
         MakeList({CEntry("mail", "", "", ""), CEntry("bank", "", "", "")}),
         {kAsk, "Repeat the password (" + strDb + " holds no entries, so any password opens it): ",
          "Password for the entry: ", "Repeat the entry's password: "},
         0,
         "Entry 2 (new) added.\n"},
        {{"passwd", strDb},
         {"pw", "one", "other"},
         {},
         {kAsk, "New password: ", "Repeat the new password: "},
         1,
         "vaultry-cli: the two passwords do not match\n"},
        {{"rm", strDb, "bank"},
         {"pw", "n"},
         {},
         {kAsk, "Delete entry 1 (bank)? [y/N] "},
         1,
         "vaultry-cli: entry 1 (bank) was not deleted\n"},
        {{"rm", strDb, "mail", "-q"}, {"pw", "Yes"}, {}, {kAsk, "Delete entry 0 (mail)? [y/N] "}, 0, ""},
        {{"rm", strDb, "bank"},
         {"pw", "y"},
         MakeList({CEntry("bank", "changed", "", ""), CEntry("new", "", "x", "")}),
         {kAsk, "Delete entry 0 (bank)? [y/N] "},
         3,
         "vaultry-cli: " + strDb + " was changed by another program while this command ran; nothing was written\n"},
    };
    for (const auto& c : cases) {
        terminal.prompts.clear();
        terminal.answers = c.answers;
        meanwhile = c.meanwhile;
        SCOPED_TRACE(c.args[0]);
        CliResult r = RunCliInProcess(c.args, "", &terminal);
        EXPECT_EQ(r.nCode, c.nCode);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(terminal.prompts, c.prompts);
    }
    EXPECT_EQ(nLockFree, 13);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(strDb, "pw").list,
                            MakeList({CEntry("bank", "changed", "", ""), CEntry("new", "", "x", "")})));
}

}  // namespace
