#include "database/core/EntryMerge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <utility>

#include "database/core/EntryDiff.h"
#include "database/core/EntryHash.h"

namespace {

// For each of second's entries (by index), whether first holds it, as multisets:
// each entry of first stands for one equal entry of second at most, the earliest.
std::vector<bool> HeldBy(const CHashedEntryList& first, const std::vector<int>& firstIndexes,
                         const CHashedEntryList& second, const std::vector<int>& secondIndexes)
{
    // first's indexes by hash, equal ones in order (no copy of the hashes, which
    // cover the passwords)
    std::vector<int> sorted(firstIndexes);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&first](int a, int b) { return first.HashAt(a) < first.HashAt(b); });
    std::vector<bool> used(sorted.size()), held(secondIndexes.size());
    for (size_t j = 0; j < secondIndexes.size(); ++j) {
        const std::uint64_t hash = second.HashAt(secondIndexes[j]);
        auto it = std::lower_bound(sorted.begin(), sorted.end(), hash,
                                   [&first](int i, std::uint64_t h) { return first.HashAt(i) < h; });
        for (; it != sorted.end() && first.HashAt(*it) == hash; ++it) {
            const size_t nAt = it - sorted.begin();
            if (used[nAt] || !first.Same(*it, second, secondIndexes[j])) continue;
            used[nAt] = held[j] = true;
            break;
        }
    }
    return held;
}

// What one side did to each ancestor entry, and where it put new ones.
struct CSideChanges {
    struct CFate {
        int nIndex;  // where the ancestor entry, or its new version, stands on this side; -1: deleted
        bool bChanged;
    };
    std::vector<CFate> fates;  // by ancestor index
    // New entries in the side's order, each with its gap: the number of ancestor
    // entries before it (kept, changed or deleted).
    std::vector<std::pair<int, int>> inserted;  // (gap, index on this side)

    CSideChanges(int nAncestorCount, const std::vector<EntryEdit>& edits) : fates(nAncestorCount)
    {
        int nOld = 0, nNew = 0;
        auto keepUntil = [&](int nOldEnd) {
            for (; nOld < nOldEnd; ++nOld) fates[nOld] = {nNew++, false};
        };
        for (const EntryEdit& edit : edits) {
            if (edit.kind == EntryEditKind::inserted) {
                keepUntil(nOld + edit.nNew - nNew);
                inserted.emplace_back(nOld, nNew++);
                continue;
            }
            keepUntil(edit.nOld);
            const bool bChanged = edit.kind == EntryEditKind::changed;
            fates[nOld++] = {bChanged ? nNew++ : -1, bChanged};
        }
        keepUntil(nAncestorCount);
    }
};

// Walks the ancestor's entries and the gaps before and after them, adding to the
// merged list what each side made of them.
class CThreeWayMerge {
public:
    CThreeWayMerge(int nAncestorCount, const CHashedEntryList& database, const CHashedEntryList& other,
                   const std::vector<EntryEdit>& toDatabase, const std::vector<EntryEdit>& toOther, MergeResult& result)
        : m_database(database), m_other(other), m_db(nAncestorCount, toDatabase), m_oth(nAncestorCount, toOther),
          m_result(result)
    {}

    void Run()
    {
        m_result.merged.Reserve(m_database.GetCount());
        const int nAncestorCount = static_cast<int>(m_db.fates.size());
        for (int i = 0; i < nAncestorCount; ++i) {
            AddInsertions(i);
            AddAncestorEntry(m_db.fates[i], m_oth.fates[i]);
        }
        AddInsertions(nAncestorCount);
    }

private:
    int Add(const CEntry& entry) { return m_result.merged.Add(entry); }

    // The new entries both sides put in the gap: the database side's, then those of
    // the other's that the database side did not insert identically.
    void AddInsertions(int nGap)
    {
        std::vector<int> fromDatabase, fromOther;
        for (; m_nNextDb < m_db.inserted.size() && m_db.inserted[m_nNextDb].first == nGap; ++m_nNextDb)
            fromDatabase.push_back(m_db.inserted[m_nNextDb].second);
        for (; m_nNextOth < m_oth.inserted.size() && m_oth.inserted[m_nNextOth].first == nGap; ++m_nNextOth)
            fromOther.push_back(m_oth.inserted[m_nNextOth].second);
        const std::vector<bool> held = HeldBy(m_database, fromDatabase, m_other, fromOther);
        const int nHeld = static_cast<int>(std::count(held.begin(), held.end(), true));
        for (int i : fromDatabase) Add(m_database.ElementAt(i));
        for (size_t j = 0; j < fromOther.size(); ++j)
            if (!held[j]) Add(m_other.ElementAt(fromOther[j]));
        m_result.againstOther.nAdded += static_cast<int>(fromDatabase.size()) - nHeld;
        m_result.againstDatabase.nAdded += static_cast<int>(fromOther.size()) - nHeld;
    }

    void AddAncestorEntry(const CSideChanges::CFate& db, const CSideChanges::CFate& oth)
    {
        MergeCounts& againstDb = m_result.againstDatabase;
        MergeCounts& againstOth = m_result.againstOther;
        if (!db.bChanged && !oth.bChanged) {  // kept or deleted on each side
            if (db.nIndex >= 0 && oth.nIndex >= 0)
                Add(m_database.ElementAt(db.nIndex));
            else if (db.nIndex >= 0)
                ++againstDb.nDeleted;
            else if (oth.nIndex >= 0)
                ++againstOth.nDeleted;
            return;
        }
        if (db.bChanged && oth.bChanged && m_database.ElementAt(db.nIndex) == m_other.ElementAt(oth.nIndex)) {
            Add(m_database.ElementAt(db.nIndex));
            return;
        }
        if (!oth.bChanged) {  // changed by the database side alone
            const int nAt = Add(m_database.ElementAt(db.nIndex));
            if (oth.nIndex >= 0) {
                ++againstOth.nChanged;
            } else {
                ++againstOth.nAdded;
                AddConflict(nAt, -1);
            }
            return;
        }
        if (!db.bChanged) {  // changed by the other side alone
            const int nAt = Add(m_other.ElementAt(oth.nIndex));
            if (db.nIndex >= 0) {
                ++againstDb.nChanged;
            } else {
                ++againstDb.nAdded;
                AddConflict(-1, nAt);
            }
            return;
        }
        const int nDbAt = Add(m_database.ElementAt(db.nIndex));
        const int nOthAt = Add(m_other.ElementAt(oth.nIndex));
        ++againstDb.nAdded;
        ++againstOth.nAdded;
        AddConflict(nDbAt, nOthAt);
    }

    void AddConflict(int nDatabaseIndex, int nOtherIndex)
    {
        const CEntry& first = m_result.merged.ElementAt(nDatabaseIndex >= 0 ? nDatabaseIndex : nOtherIndex);
        m_result.conflicts.push_back({first.m_strFor, first.m_strUsername, nDatabaseIndex, nOtherIndex});
    }

    const CHashedEntryList& m_database;
    const CHashedEntryList& m_other;
    const CSideChanges m_db, m_oth;
    size_t m_nNextDb = 0, m_nNextOth = 0;  // the first insertions not yet added
    MergeResult& m_result;
};

// The groups of merged entries that share For and Username and hold an entry at
// nFirstAdded or beyond.
std::vector<std::vector<int>> GroupsToReview(const CEntryList& merged, int nFirstAdded)
{
    std::vector<std::uint64_t> addedKeys;
    for (int i = nFirstAdded; i < merged.GetCount(); ++i) addedKeys.push_back(HashForAndUsername(merged.ElementAt(i)));
    if (addedKeys.empty()) return {};
    std::sort(addedKeys.begin(), addedKeys.end());
    // The entries that may share For and Username with an added one, by For and
    // Username, those of one key in order.
    std::vector<int> candidates;
    for (int i = 0; i < merged.GetCount(); ++i) {
        if (std::binary_search(addedKeys.begin(), addedKeys.end(), HashForAndUsername(merged.ElementAt(i))))
            candidates.push_back(i);
    }
    std::stable_sort(candidates.begin(), candidates.end(), [&merged](int a, int b) {
        const CEntry& ea = merged.ElementAt(a);
        const CEntry& eb = merged.ElementAt(b);
        return ea.m_strFor < eb.m_strFor || (ea.m_strFor == eb.m_strFor && ea.m_strUsername < eb.m_strUsername);
    });
    std::vector<std::vector<int>> groups;
    size_t i = 0;
    while (i < candidates.size()) {
        const CEntry& first = merged.ElementAt(candidates[i]);
        size_t j = i + 1;
        while (j < candidates.size() && SameForAndUsername(first, merged.ElementAt(candidates[j]))) ++j;
        if (j - i > 1 && candidates[j - 1] >= nFirstAdded)
            groups.emplace_back(candidates.begin() + static_cast<std::ptrdiff_t>(i),
                                candidates.begin() + static_cast<std::ptrdiff_t>(j));
        i = j;
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

bool NothingChanged(const MergeCounts& counts)
{
    return counts.nAdded == 0 && counts.nChanged == 0 && counts.nDeleted == 0;
}

void MergeTwoWay(const CEntryList& database, const CEntryList& other, const CHashedEntryList& hashedDatabase,
                 const CHashedEntryList& hashedOther, MergeResult& result)
{
    std::vector<int> databaseIndexes(database.GetCount()), otherIndexes(other.GetCount());
    std::iota(databaseIndexes.begin(), databaseIndexes.end(), 0);
    std::iota(otherIndexes.begin(), otherIndexes.end(), 0);
    const std::vector<bool> held = HeldBy(hashedDatabase, databaseIndexes, hashedOther, otherIndexes);

    result.merged = database;
    for (int j = 0; j < other.GetCount(); ++j)
        if (!held[j]) result.merged.Add(other.ElementAt(j));
    result.againstDatabase.nAdded = result.merged.GetCount() - database.GetCount();
    result.againstOther.nAdded = result.merged.GetCount() - other.GetCount();
    result.sameForAndUsername = GroupsToReview(result.merged, database.GetCount());
}

}  // namespace

MergeResult MergeEntries(const CEntryList& database, const CEntryList& other, const CEntryList* pBase)
{
    MergeResult result;
    const CHashedEntryList hashedDatabase(database), hashedOther(other);
    std::vector<EntryEdit> toDatabase, toOther;
    if (pBase) {
        const CHashedEntryList hashedBase(*pBase);
        if (DiffEntries(hashedBase, hashedDatabase, toDatabase) && DiffEntries(hashedBase, hashedOther, toOther)) {
            CThreeWayMerge(pBase->GetCount(), hashedDatabase, hashedOther, toDatabase, toOther, result).Run();
            result.bEqualsDatabase = NothingChanged(result.againstDatabase);
            return result;
        }
    }
    result.method = pBase ? MergeMethod::twoWayFallback : MergeMethod::twoWay;
    MergeTwoWay(database, other, hashedDatabase, hashedOther, result);
    result.bEqualsDatabase = NothingChanged(result.againstDatabase);
    return result;
}
