// The edits that turn one entry sequence into another. Entries have no identity
// but their four texts, so two entries are the same when all four are byte-equal;
// a shortest edit script is found by Myers' O(ND) diff on hashed entries, and the
// old and new runs it replaces are then paired into changed entries.
#pragma once

#include <vector>

#include "database/core/EntryHash.h"

// One step of the edits that turn an old entry sequence into a new one.
enum class EntryEditKind {
    deleted,   // old entry nOld is gone (nNew is -1)
    inserted,  // new entry nNew was added (nOld is -1)
    changed,   // old entry nOld became new entry nNew (paired within its hunk)
};
struct EntryEdit {
    EntryEditKind kind;
    int nOld;
    int nNew;
};

// The longest edit script the diff searches for. Beyond it the lists count as
// unrelated: the diff stops, so that its time and its memory (which grows with the
// square of the script's length) stay bounded. Differences at the lists' ends
// alone (entries appended, or cut off) need no search and are never refused.
extern const int kMaxEntryEdits;

// The edits from oldList to newList, in list order: nOld and nNew both ascend, and
// the entries between two edits are equal and kept. The deleted and inserted
// entries are a shortest edit script; of scripts of equal length the one that
// deletes first, as diff prints them. A hunk (a run of old entries replaced by a
// run of new ones) pairs its old entries in order with new ones of the same For and
// Username, and the others between those pairs by their position, into changed
// entries; the rest are deleted or inserted.
// FALSE (edits emptied) when the search would need more than kMaxEntryEdits edits.
BOOL DiffEntries(const CEntryList& oldList, const CEntryList& newList, std::vector<EntryEdit>& edits);
// The same with the lists' hashes made beforehand, for a list diffed more than once.
BOOL DiffEntries(const CHashedEntryList& oldList, const CHashedEntryList& newList, std::vector<EntryEdit>& edits);
