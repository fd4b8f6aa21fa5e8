// Changes to one database at once: both land, or the later one fails and says
// so; none is lost with exit code 0.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <set>
#include <thread>

#include "CliTestSupport.h"
#include "database/core/DatabaseLock.h"

namespace {

// Twenty vaultry-cli processes (vaultry-cli.exe under Wine in the Windows build)
// add an entry each at the same time. Prints its figures.
TEST(CliConcurrency, TwentyAddsAtOnceLoseNoEntryUnreported)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    WriteDatabaseFile(strDb, CEntryList(), nullptr);
    const int kWriters = 20;
    std::vector<CliResult> results(kWriters);
    std::vector<std::thread> threads;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kWriters; ++i)
        threads.emplace_back([&, i] {
            results[i] =
                RunCliProcess(folder, {"add", strDb, "--for", "entry " + std::to_string(i), "--generate", "8", "-q"},
                              "", std::to_string(i));
        });
    for (std::thread& thread : threads) thread.join();
    const double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ReadBack back = ReadDatabaseFile(strDb, nullptr);
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    std::set<std::string> stored;
    for (int i = 0; i < back.list.GetCount(); ++i) stored.insert(back.list.GetAt(i).m_strFor.GetString());
    int nRefused = 0;
    for (int i = 0; i < kWriters; ++i) {
        const bool bRefused = results[i].nCode != 0;
        nRefused += bRefused;
        EXPECT_EQ(stored.count("entry " + std::to_string(i)), bRefused ? 0u : 1u) << results[i].err;
        EXPECT_EQ(results[i].err.empty(), !bRefused) << results[i].err;
    }
    EXPECT_EQ(back.list.GetCount(), kWriters - nRefused);
    std::cout << "[ figures  ] " << kWriters << " adds at once: " << back.list.GetCount() << " entries stored, "
              << nRefused << " refused with a message, " << dSeconds << " s\n";
}

// Passwords and questions are asked before the database is locked, so the
// program can save meanwhile (it takes the same lock, and would wait); a change
// then applies to what it saved, and a deletion the user confirmed of an entry
// that has changed since writes nothing.
TEST(CliConcurrency, PromptsComeBeforeTheLockAndNoSaveIsLost)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    WriteDatabaseFile(strDb, MakeList({CEntry("mail", "", "", "")}), "pw");
    CScriptedTerminal terminal;
    int nLockFree = 0;
    std::function<void()> saveAtPrompt;
    terminal.beforeAnswer = [&] {
        std::thread other([&] {
            try {
                CDatabaseLock lock;
                lock.Acquire(strDb.c_str(), 0);
                ++nLockFree;
            } catch (const CFileException&) {
                // held: counted as not free
            }
        });
        other.join();
        if (saveAtPrompt) saveAtPrompt();
    };
    const CEntryList meanwhile = MakeList({CEntry("mail", "", "", ""), CEntry("saved meanwhile", "", "", "")});
    saveAtPrompt = [&] {
        if (terminal.prompts.size() == 2) WriteDatabaseFile(strDb, meanwhile, "pw");
    };
    terminal.answers = {"pw", "x", "x"};
    EXPECT_EQ(RunCliInProcess({"add", strDb, "--for", "new"}, "", &terminal).nCode, 0);
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(strDb, "pw").list,
                            MakeList({meanwhile.GetAt(0), meanwhile.GetAt(1), CEntry("new", "", "x", "")})));

    saveAtPrompt = [&] {
        if (terminal.prompts.size() == 2) WriteDatabaseFile(strDb, MakeList({CEntry("mail", "changed", "", "")}), "pw");
    };
    terminal.prompts.clear();
    terminal.answers = {"pw", "y"};
    CliResult r = RunCliInProcess({"rm", strDb, "mail"}, "", &terminal);
    EXPECT_EQ(terminal.prompts.back(), "Delete entry 0 (mail)? [y/N] ");
    EXPECT_EQ(r.nCode, 3);
    EXPECT_EQ(r.err, "vaultry-cli: " + strDb +
                         " was changed by another program while this command ran; nothing "
                         "was written\n");
    EXPECT_EQ(ReadDatabaseFile(strDb, "pw").list.GetCount(), 1);
    EXPECT_EQ(nLockFree, 5);
}

}  // namespace
