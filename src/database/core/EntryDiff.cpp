#include "database/core/EntryDiff.h"

#include <algorithm>

// A few hundred entries changed on a side are a few hundred to a thousand edits. At
// the cap, the search's record of its steps (about kMaxEntryEdits^2 / 2 positions)
// takes 8 MB.
const int kMaxEntryEdits = 2000;

namespace {

// The two lists compared, with their hashes.
struct CHashedPair {
    const CHashedEntryList& oldList;
    const CHashedEntryList& newList;
    bool Same(int nOld, int nNew) const { return oldList.Same(nOld, newList, nNew); }
};

// A run of old entries [nOldBegin, nOldEnd) replaced by new ones [nNewBegin, nNewEnd).
struct CHunk {
    int nOldBegin, nOldEnd, nNewBegin, nNewEnd;
};

// Myers' greedy search for a shortest edit script between old [nOld, nOld + nOldCount)
// and new [nNew, nNew + nNewCount), which have no entry in common at either end.
// Returns the hunks in list order, or FALSE when the script is longer than kMaxEntryEdits.
//
// After d edits, V[k] is the furthest old position reached on diagonal k = x - y;
// step d takes one edit from diagonal k - 1 (a deletion) or k + 1 (an insertion) and
// then follows equal entries. Where both reach equally far, the deletion is taken.
// Each step's values (d + 1 of them, the diagonals of d's parity) are kept, in
// m_trace, to walk the path back.
class CEditSearch {
public:
    CEditSearch(const CHashedPair& lists, int nOld, int nOldCount, int nNew, int nNewCount)
        : m_lists(lists), m_nOld(nOld), m_nNew(nNew), m_n(nOldCount), m_m(nNewCount)
    {}

    BOOL Run(std::vector<CHunk>& hunks)
    {
        const int nMax = std::min(m_n + m_m, kMaxEntryEdits);
        std::vector<int> v(2 * nMax + 3);
        const int nZero = nMax + 1;  // v[nZero + k] is V[k]
        for (int d = 0; d <= nMax; ++d) {
            for (int k = -d; k <= d; k += 2) {
                const bool bInsertion = k == -d || (k != d && v[nZero + k - 1] < v[nZero + k + 1]);
                int x = bInsertion ? v[nZero + k + 1] : v[nZero + k - 1] + 1;
                int y = x - k;
                while (x < m_n && y < m_m && m_lists.Same(m_nOld + x, m_nNew + y)) ++x, ++y;
                v[nZero + k] = x;
                m_trace.push_back(x);
                if (x >= m_n && y >= m_m) {
                    WalkBack(d, hunks);
                    return TRUE;
                }
            }
        }
        return FALSE;
    }

private:
    // V[k] after step d, for k of d's parity within [-d, d].
    int Trace(int d, int k) const { return m_trace[static_cast<size_t>(d) * (d + 1) / 2 + (k + d) / 2]; }

    // From the end back to the start: each step's edit, gathered into hunks of edits
    // with no kept entry between them. The ranges end with an edit, and start with one.
    void WalkBack(int nSteps, std::vector<CHunk>& hunks) const
    {
        int x = m_n, y = m_m;
        int nOldEnd = x, nNewEnd = y;  // where the hunk being walked back ends
        for (int d = nSteps; d > 0; --d) {
            const int k = x - y;
            const bool bInsertion = k == -d || (k != d && Trace(d - 1, k - 1) < Trace(d - 1, k + 1));
            const int nPrevK = bInsertion ? k + 1 : k - 1;
            const int nPrevX = Trace(d - 1, nPrevK);
            const int nSnakeX = bInsertion ? nPrevX : nPrevX + 1;  // where this step's edit ended
            if (nSnakeX != x) {  // equal entries after it: the hunk from (x, y) is whole
                hunks.push_back({m_nOld + x, m_nOld + nOldEnd, m_nNew + y, m_nNew + nNewEnd});
                nOldEnd = nSnakeX;
                nNewEnd = nSnakeX - k;
            }
            x = nPrevX;
            y = nPrevX - nPrevK;
        }
        hunks.push_back({m_nOld, m_nOld + nOldEnd, m_nNew, m_nNew + nNewEnd});  // x and y are 0 here
        std::reverse(hunks.begin(), hunks.end());
    }

    const CHashedPair& m_lists;
    const int m_nOld, m_nNew;  // where the compared ranges start
    const int m_n, m_m;        // and their lengths
    std::vector<int> m_trace;
};

// Pairs a hunk's entries and appends its edits: old entries, in order, with the
// first new one of the same For and Username after the last such pair; between those
// pairs, the others by their position; what is left is deleted or inserted.
void AddHunkEdits(const CHashedPair& lists, const CHunk& hunk, std::vector<EntryEdit>& edits)
{
    auto addStretch = [&edits](int nOld, int nOldEnd, int nNew, int nNewEnd) {
        for (; nOld < nOldEnd && nNew < nNewEnd; ++nOld, ++nNew) edits.push_back({EntryEditKind::changed, nOld, nNew});
        for (; nOld < nOldEnd; ++nOld) edits.push_back({EntryEditKind::deleted, nOld, -1});
        for (; nNew < nNewEnd; ++nNew) edits.push_back({EntryEditKind::inserted, -1, nNew});
    };
    int nOldFrom = hunk.nOldBegin, nNewFrom = hunk.nNewBegin;
    for (int i = hunk.nOldBegin; i < hunk.nOldEnd; ++i) {
        const CEntry& old = lists.oldList.ElementAt(i);
        for (int j = nNewFrom; j < hunk.nNewEnd; ++j) {
            if (!SameForAndUsername(old, lists.newList.ElementAt(j))) continue;
            addStretch(nOldFrom, i, nNewFrom, j);
            edits.push_back({EntryEditKind::changed, i, j});
            nOldFrom = i + 1;
            nNewFrom = j + 1;
            break;
        }
    }
    addStretch(nOldFrom, hunk.nOldEnd, nNewFrom, hunk.nNewEnd);
}

}  // namespace

BOOL DiffEntries(const CEntryList& oldList, const CEntryList& newList, std::vector<EntryEdit>& edits)
{
    return DiffEntries(CHashedEntryList(oldList), CHashedEntryList(newList), edits);
}

BOOL DiffEntries(const CHashedEntryList& oldList, const CHashedEntryList& newList, std::vector<EntryEdit>& edits)
{
    edits.clear();
    const CHashedPair lists{oldList, newList};
    const int n = oldList.GetCount(), m = newList.GetCount();
    // The common start and end first: most often all but a few entries.
    int nStart = 0;
    while (nStart < n && nStart < m && lists.Same(nStart, nStart)) ++nStart;
    int nEnd = 0;
    while (nEnd < n - nStart && nEnd < m - nStart && lists.Same(n - 1 - nEnd, m - 1 - nEnd)) ++nEnd;
    const int nOldCount = n - nStart - nEnd, nNewCount = m - nStart - nEnd;

    std::vector<CHunk> hunks;
    if (nOldCount == 0 || nNewCount == 0) {
        if (nOldCount + nNewCount > 0) hunks.push_back({nStart, n - nEnd, nStart, m - nEnd});
    } else if (!CEditSearch(lists, nStart, nOldCount, nStart, nNewCount).Run(hunks)) {
        return FALSE;
    }
    for (const CHunk& hunk : hunks) AddHunkEdits(lists, hunk, edits);
    return TRUE;
}
