// merge and diff: what each brings in or shows, the passwords of the second and
// third file, and what fails without writing.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliCommandsFixture.h"

namespace {

CEntry E(const char* pszFor, const char* pszPassword = "p") { return CEntry(pszFor, "u", pszPassword, ""); }

// n entries For "<prefix> i", the databases that differ everywhere.
CEntryList Numbered(const char* pszPrefix, int n)
{
    CEntryList list;
    for (int i = 0; i < n; ++i) list.Add(CEntry((pszPrefix + std::to_string(i)).c_str(), "u", "p", ""));
    return list;
}

CEntryList Joined(const CEntryList& first, const CEntryList& second)
{
    CEntryList list = first;
    for (int i = 0; i < second.GetCount(); ++i) list.Add(second.ElementAt(i));
    return list;
}

enum class Base { none, empty, file };

// Each case merges @theirs.vty into @ours.vty (both locked with "pw").
TEST_F(CliCommands, MergeKeepsEveryChangeAndReportsConflicts)
{
    const CEntry a = E("a"), b = E("b"), c = E("c"), x = E("x"), y = E("y");
    const CEntryList far = Numbered("far ", 1100), most = Numbered("", kMaxEntries - 1);
    const struct {
        Base base;
        CEntryList ancestor, ours, theirs, merged;
        int nCode;
        std::string err;
    } cases[] = {
        {Base::file, MakeList({a, b}), MakeList({a, b, x}), MakeList({a, b, y}), MakeList({a, b, x, y}), 0,
         "Merged @theirs.vty into @ours.vty (three-way): 1 added, 0 changed, 0 deleted.\n"},
        {Base::file, MakeList({a, b, c}), MakeList({a, c}), MakeList({a, b, E("c", "new")}),
         MakeList({a, E("c", "new")}), 0, "*(three-way): 0 added, 1 changed, 0 deleted.\n"},
        {Base::file, MakeList({a, b}), MakeList({a, b, x}), MakeList({b, y}), MakeList({b, x, y}), 0,
         "*1 added, 0 changed, 1 deleted.\n"},
        {Base::file, MakeList({a}), MakeList({E("a", "1")}), MakeList({E("a", "2")}),
         MakeList({E("a", "1"), E("a", "2")}), 1,
         "*: 1 added, 0 changed, 0 deleted; 1 conflict.\nConflict: a (u) was changed on both sides: entry 0 is this "
         "database's version, entry 1 the other's.\n"},
        {Base::file, MakeList({a, b}), MakeList({a}), MakeList({a, E("b", "1")}), MakeList({a, E("b", "1")}), 1,
         "*Conflict: b (u) was deleted here and changed in the other: entry 1 is the changed version.\n"},
        {Base::file, MakeList({a, b}), MakeList({a, E("b", "1")}), MakeList({a}), MakeList({a, E("b", "1")}), 1,
         "*nothing added, changed or deleted, so @ours.vty was not written; 1 conflict.\nConflict: b (u) was changed "
         "here and deleted in the other: entry 1 is the changed version.\n"},
        {Base::none,
         {},
         MakeList({a, b}),
         MakeList({b, c, E("a", "1")}),
         MakeList({a, b, c, E("a", "1")}),
         0,
         "*(two-way): 2 added, 0 changed, 0 deleted.\nTo review: entries 0, 3 share a (u).\n"},
        {Base::empty, {}, MakeList({a}), MakeList({a, b}), MakeList({a, b}), 0, "*(two-way): 1 added"},
        {Base::file, MakeList({a}), MakeList({a, b}), MakeList({a}), MakeList({a, b}), 0,
         "Merged @theirs.vty into @ours.vty (three-way): nothing added, changed or deleted, so @ours.vty was not "
         "written.\n"},
        {Base::file, far, Numbered("near ", 1100), Joined(far, MakeList({x})),
         Joined(Numbered("near ", 1100), Joined(far, MakeList({x}))), 0,
         "*warning: a side differs from the common ancestor in more than 2000 places; merged without it"},
        {Base::none, {}, most, MakeList({x}), Joined(most, MakeList({x})), 0, "*(two-way): 1 added"},
        {Base::none,
         {},
         most,
         MakeList({x, y}),
         most,
         1,
         "*the merged database would hold 65536 entries, more than the 65535 a database can; @ours.vty was not "
         "changed\n"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.err);
        WriteDatabaseFile(At("@ours.vty"), t.ours, "pw");
        WriteDatabaseFile(At("@theirs.vty"), t.theirs, "pw");
        if (t.base == Base::file) WriteDatabaseFile(At("@base.vty"), t.ancestor, "pw");
        if (t.base == Base::empty) WriteBytes(At("@base.vty"), "");
        const std::string strOurs = ReadBytes(At("@ours.vty")), strTheirs = ReadBytes(At("@theirs.vty"));
        std::vector<std::string> args = {"merge", At("@ours.vty"), At("@theirs.vty"), "--password-stdin"};
        if (t.base != Base::none) args.insert(args.end(), {"--base", At("@base.vty")});
        // Conflicts exit with 1 too, but write the merged file: not a failure for Run.
        const CliResult r = RunCliInProcess(args, "pw\n");
        EXPECT_EQ(r.nCode, t.nCode);
        EXPECT_EQ(r.out, "");
        ExpectText(r.err, At(t.err));
        EXPECT_TRUE(SameEntries(ReadDatabaseFile(At("@ours.vty"), "pw").list, t.merged));
        EXPECT_EQ(ReadBytes(At("@ours.vty")) == strOurs, static_cast<bool>(SameEntries(t.merged, t.ours)));
        EXPECT_EQ(ReadBytes(At("@theirs.vty")), strTheirs);
        std::filesystem::remove(At("@base.vty"));
    }
}

// OTHER and BASE open with DB's password when they can, else theirs is asked
// for; DB keeps its lock and key. Nothing is written on a failure.
TEST_F(CliCommands, MergeOpensTheOtherFilesWithTheDatabasesPassword)
{
    WriteDatabaseFile(At("@other.vty"), MakeList({CEntry("shop", "ann", "x", "")}), "other pw");
    WriteDatabaseFile(At("@same.vty"), MakeList({CEntry("mail", "joe", "secret", "")}), "pw");
    WriteBytes(At("@empty.txt"), "");
    Run({
        {"merge @db.vty @other.vty --password-stdin", "pw\nwrong\n", 2, "", kWrong},
        {"merge @db.vty @text.txt --password-stdin", "pw\n", 2, "", "*not a Vaultry database"},
        {"merge @db.vty @missing.vty --password-stdin", "pw\n", 3, "", "*could not be found"},
        {"merge @db.vty @same.vty --base @missing.vty --password-stdin", "pw\n", 3, "", "*could not be found"},
        {"merge @db.vty @same.vty --base @text.txt --password-stdin", "pw\n", 2, "", "*not a Vaultry database"},
        {"merge @db.vty @same.vty --base '' --password-stdin", "pw\n", 1, "", "*the file name is empty"},
        {"merge @db.vty", "", 1, "", "*missing arguments (usage: vaultry-cli merge DB OTHER [--base BASE])"},
        {"merge @db.vty @same.vty @open.vty", "", 1, "", "*too many arguments: @open.vty"},
        {"merge @db.vty @other.vty --base @same.vty --password-stdin", "pw\nother pw\n", 0, "",
         "vaultry-cli: @other.vty has another password; @db.vty keeps its own.\nMerged @other.vty into @db.vty "
         "(three-way): 0 added, 1 changed, 0 deleted.\n"},
        {"merge @db.vty @open.vty --base @empty.txt -q --password-stdin", "pw\n", 0, "", ""},
        {"merge @open.vty @db.vty --password-stdin", "pw\n", 0, "",
         "*@db.vty is locked; @open.vty stays not locked.\n"},
    });
    EXPECT_EQ(ReadDatabaseFile(At("@db.vty"), "pw").list.GetCount(), 6);
    EXPECT_EQ(ReadDatabaseFile(At("@open.vty"), nullptr).list.GetCount(), 6);
}

TEST_F(CliCommands, DiffListsChangedEntriesPairedAsMergePairsThem)
{
    WriteDatabaseFile(At("@b.vty"),
                      MakeList({CEntry("shop", "x\ty", "ypw", ""), CEntry("mail", "joe", "secret2", "n")}), "pw");
    WriteDatabaseFile(At("@far-a.vty"), Joined(Numbered("a", 1100), MakeList({E("common")})), nullptr);
    WriteDatabaseFile(At("@far-b.vty"), Joined(MakeList({E("common")}), Numbered("b", 1100)), nullptr);
    const std::string kJson = R"([{"change": "+", "b": {"index": 0, "for": "shop", "username": "x\ty", "notes": ""}},
        {"change": "~", "fields": ["password", "notes"],
         "a": {"index": 0, "for": "mail", "username": "joe", "notes": ""},
         "b": {"index": 1, "for": "mail", "username": "joe", "notes": "n"}},
        {"change": "-", "a": {"index": 1, "for": "bank", "username": "", "notes": ""}}])";
    Run({
        {"diff @db.vty @db.vty --password-stdin", "pw\n", 0, "", ""},
        {"diff @db.vty @b.vty --password-stdin", "pw\n", 1,
         "+\t0\tshop\tx\\ty\n~\t0\t1\tmail\tjoe\tpassword,notes\n-\t1\tbank\t\n", ""},
        {"diff @db.vty @b.vty -s --password-stdin", "pw\n", 1,
         "+\t0\tshop\tx\\ty\typw\n~\t0\t1\tmail\tjoe\tpassword,notes\tsecret\tsecret2\n-\t1\tbank\t\t1234\n", ""},
        {"diff @db.vty @b.vty --json --password-stdin", "pw\n", 1, kJson, ""},
        {"diff @open.vty @b.vty --password-stdin", "wrong\n", 2, "", kWrong},
        {"diff @db.vty @missing.vty --password-stdin", "pw\n", 3, "", "*could not be found"},
        {"diff @db.vty @b.vty @open.vty", "", 1, "", "*too many arguments: @open.vty"},
        {"diff @far-a.vty @far-b.vty", "", 1, "*-\t0\ta0\tu\n*-\t1099\ta1099\tu\n*+\t1\tb0\tu\n*+\t1100\tb1099\tu\n",
         "vaultry-cli: warning: the databases differ in more than 2000 places; changed entries are not paired, but "
         "shown as - and +\n"},
    });
    const CliResult far = RunCliInProcess({"diff", At("@far-a.vty"), At("@far-b.vty")});
    EXPECT_EQ(std::count(far.out.begin(), far.out.end(), '\n'), 2200);
    EXPECT_EQ(far.out.find("common"), std::string::npos);
}

}  // namespace
