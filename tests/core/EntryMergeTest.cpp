// The entry diff and the merge of two versions of a database's entries.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "common/TestFiles.h"
#include "database/core/EntryDiff.h"
#include "database/core/EntryMerge.h"

namespace {

// Entries written as tokens: the first letter is the For (and "user " + it the
// Username), the rest goes to the password, but '~' to the Username. So "b'" is b
// with another password and "b~" b with another Username.
CEntryList Tokens(const std::string& text)
{
    std::istringstream in(text);
    CEntryList list;
    for (std::string t; in >> t;) {
        CEntry& entry = list.AddEmpty();
        entry.m_strFor = t.substr(0, 1).c_str();
        entry.m_strUsername = ("user " + t.substr(0, 1)).c_str();
        entry.m_strPassword = "pw";
        for (char c : t.substr(1)) (c == '~' ? entry.m_strUsername : entry.m_strPassword) += c;
    }
    return list;
}

std::string Text(const CEntryList& list)
{
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CEntry& e = list.ElementAt(i);
        text += std::string(i ? " " : "") + e.m_strFor.GetString() + e.m_strPassword.Mid(2).GetString() +
                e.m_strUsername.Mid(6).GetString();
    }
    return text;
}

// The counts against the database side and the other side, and "=" when nothing
// is to be written.
std::string Counts(const MergeResult& r)
{
    std::ostringstream out;
    for (const MergeCounts* c : {&r.againstDatabase, &r.againstOther})
        out << (c == &r.againstOther ? "/" : "") << '+' << c->nAdded << '~' << c->nChanged << '-' << c->nDeleted;
    if (r.bEqualsDatabase) out << " =";
    return out.str();
}

// The merged entries, the counts, the conflicts and the groups to review.
std::string Summary(const MergeResult& r)
{
    std::ostringstream out;
    out << Text(r.merged) << " | " << Counts(r);
    for (const MergeConflict& c : r.conflicts)
        out << " !" << c.strFor.GetString() << c.strUsername.Mid(6).GetString() << ':' << c.nDatabaseIndex << '/'
            << c.nOtherIndex;
    for (const std::vector<int>& group : r.sameForAndUsername) {
        out << " [";
        for (int i : group) out << (i == group[0] ? "" : " ") << i;
        out << ']';
    }
    return out.str();
}

TEST(EntryMergeTest, MergesByTheRules)
{
    const struct {
        const char* base;  // null: two-way
        const char* database;
        const char* other;
        const char* summary;
    } rows[] = {
        {"a b", "a b x", "a b y", "a b x y | +1~0-0/+1~0-0"},
        {"a b c", "a c", "a b c'", "a c' | +0~1-0/+0~0-1"},  // touching is not overlapping
        {"a", "a1", "a2", "a1 a2 | +1~0-0/+1~0-0 !a:0/1"},
        {"a b", "a", "a b'", "a b' | +1~0-0/+0~0-0 !b:-1/1"},
        {"a", "a n", "a n", "a n | +0~0-0/+0~0-0 ="},
        {"a b", "a b", "a b", "a b | +0~0-0/+0~0-0 ="},
        {"a b", "a b~ n", "a b m", "a b~ n m | +1~0-0/+1~1-0"},
        {"a b", "a b'", "a b'", "a b' | +0~0-0/+0~0-0 ="},
        {"a b", "a b'", "a", "a b' | +0~0-0/+1~0-0 = !b:1/-1"},
        {"a b c d", "b c", "a c", "c | +0~0-1/+0~0-1"},  // each side deletes the other's first
        {"a a b", "a b", "a a b x", "a b x | +1~0-0/+0~0-1"},
        {"a", "a n p", "a n q", "a n p q | +1~0-0/+1~0-0"},
        {"a", "x a", "x x a", "x x a | +1~0-0/+0~0-0"},
        {"", "x", "y x", "x y | +1~0-0/+0~0-0"},
        {"a", "", "", " | +0~0-0/+0~0-0 ="},
        {nullptr, "a b", "b c", "a b c | +1~0-0/+1~0-0"},
        {nullptr, "a b", "a a c", "a b a c | +2~0-0/+1~0-0 [0 2]"},
        {nullptr, "b a c c'", "b' a'", "b a c c' b' a' | +2~0-0/+4~0-0 [0 4] [1 5]"},  // c c' were there before
        {nullptr, "a b", "b a", "a b | +0~0-0/+0~0-0 ="},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.base ? row.base : "(none)") + " / " + row.database + " / " + row.other);
        const CEntryList base = Tokens(row.base ? row.base : "");
        const MergeResult result = MergeEntries(Tokens(row.database), Tokens(row.other), row.base ? &base : nullptr);
        EXPECT_EQ(Summary(result), row.summary);
        EXPECT_EQ(result.method, row.base ? MergeMethod::threeWay : MergeMethod::twoWay);
    }
}

std::string Edits(const char* pszOld, const char* pszNew)
{
    std::vector<EntryEdit> edits;
    EXPECT_TRUE(DiffEntries(Tokens(pszOld), Tokens(pszNew), edits));
    std::ostringstream out;
    for (const EntryEdit& e : edits) {
        out << (e.kind == EntryEditKind::inserted ? " +" : e.kind == EntryEditKind::deleted ? " -" : " ~");
        out << (e.kind == EntryEditKind::inserted ? e.nNew : e.nOld);
        if (e.kind == EntryEditKind::changed) out << '>' << e.nNew;
    }
    return out.str();
}

TEST(EntryDiffTest, PairsAndOrdersEdits)
{
    EXPECT_EQ(Edits("a b", "b a"), " -0 +1");        // of equal-length scripts, the one that deletes first
    EXPECT_EQ(Edits("p b", "b' q"), " -0 ~1>0 +1");  // the same For and Username first
    EXPECT_EQ(Edits("b", "b~ n"), " ~0>0 +1");       // else by position
    EXPECT_EQ(Edits("a b c d e", "a x c e"), " ~1>1 -3");
}

// Up to eleven entries of three kinds, many of them alike.
std::string RandomTokens(std::mt19937& random)
{
    std::string text;
    for (int i = random() % 12; i > 0; --i) text += "abc"[random() % 3] + std::string(" ");
    return text;
}

// Random lists: the edits turn the old list into the new one and are as few as the
// longest common subsequence allows.
TEST(EntryDiffTest, FindsAShortestScript)
{
    std::mt19937 random(20);
    for (int round = 0; round < 3000; ++round) {
        const std::string strOld = RandomTokens(random), strNew = RandomTokens(random);
        const CEntryList oldList = Tokens(strOld), newList = Tokens(strNew);
        const int n = oldList.GetCount(), m = newList.GetCount();
        std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1));
        for (int i = n - 1; i >= 0; --i)
            for (int j = m - 1; j >= 0; --j)
                lcs[i][j] = oldList.ElementAt(i) == newList.ElementAt(j) ? lcs[i + 1][j + 1] + 1
                                                                         : std::max(lcs[i + 1][j], lcs[i][j + 1]);
        std::vector<EntryEdit> edits;
        ASSERT_TRUE(DiffEntries(oldList, newList, edits));
        CEntryList applied;
        int i = 0, j = 0, nLength = 0;
        for (const EntryEdit& e : edits) {
            for (; e.kind == EntryEditKind::inserted ? j < e.nNew : i < e.nOld; ++i, ++j) applied.Add(oldList.GetAt(i));
            ASSERT_EQ(e.nOld, e.kind == EntryEditKind::inserted ? -1 : i) << strOld << "/ " << strNew;
            ASSERT_EQ(e.nNew, e.kind == EntryEditKind::deleted ? -1 : j) << strOld << "/ " << strNew;
            if (e.kind != EntryEditKind::inserted) ++i, ++nLength;
            if (e.kind != EntryEditKind::deleted) applied.Add(newList.GetAt(j++)), ++nLength;
        }
        while (i < n) applied.Add(oldList.GetAt(i++));
        ASSERT_TRUE(SameEntries(applied, newList)) << strOld << "/ " << strNew;
        ASSERT_EQ(nLength, n + m - 2 * lcs[0][0]) << strOld << "/ " << strNew;
    }
}

// Random lists: what only one side changed is what the merge gives, and a list
// merged with itself or a copy stays as it is.
TEST(EntryMergeTest, TakesTheOnlyChangedSide)
{
    std::mt19937 random(21);
    for (int round = 0; round < 1000; ++round) {
        const std::string strBase = RandomTokens(random), strChanged = RandomTokens(random);
        SCOPED_TRACE(strBase + "/ " + strChanged);
        const CEntryList base = Tokens(strBase), changed = Tokens(strChanged);
        const std::string strText = Text(changed);
        EXPECT_EQ(Summary(MergeEntries(changed, changed, &base)), strText + " | +0~0-0/+0~0-0 =");
        const MergeResult fromDatabase = MergeEntries(changed, base, &base);
        EXPECT_TRUE(Text(fromDatabase.merged) == strText && fromDatabase.bEqualsDatabase);
        const MergeResult fromOther = MergeEntries(base, changed, &base);
        const MergeCounts& c = fromOther.againstOther;
        EXPECT_TRUE(Text(fromOther.merged) == strText && c.nAdded + c.nChanged + c.nDeleted == 0);
        EXPECT_TRUE(fromDatabase.conflicts.empty() && fromOther.conflicts.empty());
    }
}

// A side with a few hundred differences from the largest database merges three-way,
// a side unrelated to its ancestor by the union; edits at the ends need no search.
TEST(EntryMergeTest, MergesLargeAndUnrelatedLists)
{
    const CEntryList base = SampleEntries(kMaxEntries);
    CEntryList database, other;
    for (int i = 0; i < kMaxEntries; ++i) {
        CEntry entry = base.GetAt(i);
        if (i % 600 != 300) other.Add(entry);            // 109 deleted,
        if (i % 400 == 100) entry.m_strPassword += "'";  // 164 changed, 54 of them deleted by the other
        database.Add(entry);
    }
    for (int i = 0; i < 100; ++i) other.Add(CEntry("new", std::to_string(i).c_str(), "", ""));
    MergeResult result = MergeEntries(database, other, &base);
    EXPECT_EQ(Counts(result), "+100~0-55/+54~110-0");
    ASSERT_EQ(result.conflicts.size(), 54u);
    EXPECT_EQ(result.conflicts[0].strFor, "site 900");
    EXPECT_EQ(result.conflicts[0].nDatabaseIndex, 899);
    EXPECT_EQ(result.conflicts[0].nOtherIndex, -1);
    EXPECT_EQ(result.merged.GetCount(), kMaxEntries - 55 + 100);

    std::string strOld, strUnrelated;  // as many edits as the diff searches for, then one more
    for (int i = 0; i < kMaxEntryEdits / 2; ++i) strOld += "v ", strUnrelated += "u ";
    std::vector<EntryEdit> edits;
    EXPECT_TRUE(DiffEntries(Tokens(strOld), Tokens(strUnrelated), edits) && edits.size() == kMaxEntryEdits / 2u);
    const CEntryList oldList = Tokens(strOld), unrelated = Tokens(strUnrelated + "u");
    EXPECT_FALSE(DiffEntries(oldList, unrelated, edits));
    EXPECT_TRUE(edits.empty());
    result = MergeEntries(oldList, unrelated, &oldList);
    EXPECT_EQ(result.method, MergeMethod::twoWayFallback);
    EXPECT_EQ(result.merged.GetCount(), kMaxEntryEdits + 1);
    const CEntryList head = SampleEntries(10);
    EXPECT_TRUE(DiffEntries(head, base, edits) && edits.size() == kMaxEntries - 10u);
    EXPECT_TRUE(DiffEntries(base, head, edits) && edits.size() == kMaxEntries - 10u);
}

}  // namespace
