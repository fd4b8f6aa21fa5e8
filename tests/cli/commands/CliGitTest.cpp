// vaultry-cli as git's merge driver, set up as the README shows, with git itself:
// branches that each add an entry merge cleanly, a database both branches added
// merges without an ancestor, a conflict keeps both versions and leaves the file
// conflicted, and a locked database takes its password from --password-command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "cli/CliTestSupport.h"

namespace {

class CGitRepository {
public:
    explicit CGitRepository(const std::string& strDriverOptions)
    {
        EXPECT_EQ(Git("init -q -b main"), 0);
        Git("config user.name Tester");
        Git("config user.email tester@example.com");
        Git("config merge.vaultry.driver \"'" VAULTRY_CLI_PATH "' merge %A %B --base %O" + strDriverOptions + "\"");
        WriteBytes(m_repository.Path(".gitattributes"), "*.vty merge=vaultry\n");
        Git("add .gitattributes");
        Git("commit -q -m start");
    }

    // Runs git in the repository; its output goes to Output().
    int Git(const std::string& strArgs) const
    {
        const std::string strCommand =
            "cd '" + m_repository.Path() + "' && git " + strArgs + " >'" + m_log.Path("output") + "' 2>&1";
        const int nStatus = std::system(strCommand.c_str());
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    std::string Output() const { return ReadBytes(m_log.Path("output")); }

    void Commit(const CEntryList& list, const char* pszPassword)
    {
        WriteDatabaseFile(Database(), list, pszPassword);
        EXPECT_EQ(Git("add db.vty"), 0);
        EXPECT_EQ(Git("commit -q -m change"), 0) << Output();
    }
    std::string Database() const { return m_repository.Path("db.vty"); }

private:
    TempFolder m_repository, m_log;
};

TEST(CliGit, MergeDriver)
{
    const CEntry a("a", "u", "p", ""), a1("a", "u", "1", ""), a2("a", "u", "2", ""), x("x", "", "", ""),
        y("y", "", "", "");
    const struct {
        const char* pszPassword;  // of every version, and given by the driver's --password-command
        bool bAncestor;           // false: both branches add the database
        CEntryList ancestor, ours, theirs, merged;
        bool bConflict;
    } cases[] = {
        {nullptr, true, MakeList({a}), MakeList({a, x}), MakeList({a, y}), MakeList({a, x, y}), false},
        {nullptr, false, {}, MakeList({a, x}), MakeList({a, y}), MakeList({a, x, y}), false},
        {nullptr, true, MakeList({a}), MakeList({a1}), MakeList({a2}), MakeList({a1, a2}), true},
        {"secret", true, MakeList({a}), MakeList({x, a}), MakeList({a, y}), MakeList({x, a, y}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszPassword ? "locked" : c.bAncestor ? "three-way" : "added on both branches");
        CGitRepository repository(c.pszPassword ? " --password-command 'printf " + std::string(c.pszPassword) + "'"
                                                : std::string());
        if (c.bAncestor) repository.Commit(c.ancestor, c.pszPassword);
        ASSERT_EQ(repository.Git("checkout -q -b theirs"), 0);
        repository.Commit(c.theirs, c.pszPassword);
        ASSERT_EQ(repository.Git("checkout -q main"), 0);
        repository.Commit(c.ours, c.pszPassword);

        EXPECT_EQ(repository.Git("merge -q --no-edit theirs") != 0, c.bConflict) << repository.Output();
        const ReadBack merged = ReadDatabaseFile(repository.Database(), c.pszPassword);
        EXPECT_EQ(merged.wLocked, c.pszPassword ? 1 : 0);
        EXPECT_TRUE(SameEntries(merged.list, c.merged));
        repository.Git("diff --name-only --diff-filter=U");
        EXPECT_EQ(repository.Output(), c.bConflict ? "db.vty\n" : "");
    }
}

}  // namespace
