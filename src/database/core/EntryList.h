// CEntryList: the entries of the open database, in insertion order, addressed by
// index (the same number as the entry's row on screen). Indexes passed in must be
// valid; the list does not check them and notifies no one of changes.
#pragma once

#include "database/core/Entry.h"
#include "framework/portable/CArray.h"

class CEntryList {
public:
    CEntryList() = default;
    CEntryList(const CEntryList&) = default;
    CEntryList& operator=(const CEntryList&) = default;
    // Moving hands the entries over without copying their texts.
    CEntryList(CEntryList&&) noexcept = default;
    CEntryList& operator=(CEntryList&&) noexcept = default;
    virtual ~CEntryList() = default;

    int GetCount() const { return m_entries.GetCount(); }
    // A copy of the entry at nIndex.
    CEntry GetAt(int nIndex) const { return m_entries.GetAt(nIndex); }
    // Appends a copy and returns its index (the old count).
    int Add(const CEntry& entry) { return m_entries.Add(entry); }
    // Appends an entry that the caller gives up, without copying its texts.
    int Add(CEntry&& entry)
    {
        const int nIndex = GetCount();
        m_entries.SetSize(nIndex + 1);
        m_entries.ElementAt(nIndex) = static_cast<CEntry&&>(entry);
        return nIndex;
    }
    // Appends an empty entry and returns it, for a reader that fills it in place.
    CEntry& AddEmpty() { return m_entries.AddNew(); }
    void SetAt(int nIndex, const CEntry& entry) { m_entries.SetAt(nIndex, entry); }
    void RemoveAt(int nIndex) { m_entries.RemoveAt(nIndex); }
    void RemoveAll() { m_entries.RemoveAll(); }
    // Makes room for nCount entries in all, so that adding them moves nothing.
    void Reserve(int nCount) { m_entries.Reserve(nCount); }
    // Read-only access without a copy, for callers that only look.
    const CEntry& ElementAt(int nIndex) const { return m_entries[nIndex]; }

private:
    CArray<CEntry> m_entries;
};

// The same entries, in the same order.
inline bool operator==(const CEntryList& a, const CEntryList& b)
{
    if (a.GetCount() != b.GetCount()) return false;
    for (int i = 0; i < a.GetCount(); ++i)
        if (a.ElementAt(i) != b.ElementAt(i)) return false;
    return true;
}
inline bool operator!=(const CEntryList& a, const CEntryList& b) { return !(a == b); }
