// The merge of two versions of a database's entries: the database side (the file
// that will be written) and the other side, three-way when their common ancestor
// is known, else a union that deletes nothing. Nothing is dropped silently: what
// both sides changed differently is kept twice and reported.
#pragma once

#include <vector>

#include "database/core/EntryList.h"

// How the merged list differs from one side.
struct MergeCounts {
    int nAdded = 0;    // entries the merged list holds that this side did not
    int nChanged = 0;  // entries of this side that stand in the merged list in another version
    int nDeleted = 0;  // entries of this side that the merged list no longer holds
};

// An ancestor's entry that both sides changed differently (both versions kept, the
// database side's first), or that one side deleted and the other changed (the
// changed version kept).
struct MergeConflict {
    CString strFor;  // of the first version kept
    CString strUsername;
    int nDatabaseIndex;  // where the database side's version now stands; -1 when it deleted it
    int nOtherIndex;     // where the other side's version now stands; -1 when it deleted it
};

enum class MergeMethod {
    threeWay,        // with a common ancestor
    twoWay,          // without one: a union, nothing deleted
    twoWayFallback,  // an ancestor was given, but a side differs from it too much for the diff
};

struct MergeResult {
    CEntryList merged;
    MergeMethod method = MergeMethod::threeWay;
    MergeCounts againstDatabase;  // what the other side brought in
    MergeCounts againstOther;     // what the database side brought in
    std::vector<MergeConflict> conflicts;
    // Two-way merges: groups of merged indexes whose entries share For and Username
    // and hold at least one entry that the other side brought in (most often one
    // edit seen from both sides), for the user to review. Each group ascends, and
    // the groups are in the order of their first index.
    std::vector<std::vector<int>> sameForAndUsername;
    // The merged list holds exactly the database side's entries, in order (nothing
    // to write).
    BOOL bEqualsDatabase = FALSE;
};

// Merges other into database: three-way with pBase (the common ancestor; an empty
// list is a valid ancestor), two-way when pBase is null or when a side differs from
// the ancestor by more than the diff searches (kMaxEntryEdits). The merged list may
// hold more entries than a database file can; the caller checks. Never throws but
// for memory.
//
// Three-way, per ancestor entry: kept by both, kept; changed or deleted by one side
// only, that side's version; changed identically by both, once; changed differently,
// a conflict keeping both; deleted by one and changed by the other, a conflict
// keeping the changed one. New entries stand where their side put them, after the
// same ancestor entry (or what became of it); where both sides put some at the same
// place, the database side's come first, then the other's that the database side
// did not insert identically there.
//
// Two-way: the database side's entries in order, then the other side's that it does
// not hold, counted as multisets (an entry the other side holds twice and the
// database side once is added once), in the other side's order.
MergeResult MergeEntries(const CEntryList& database, const CEntryList& other, const CEntryList* pBase);
