// 64-bit hashes of entries, for the diff and the merge to compare hashes first and
// texts only when the hashes match. Equal entries hash equal within one run of the
// program; the values are not stable across builds and are never stored.
#pragma once

#include <cstdint>
#include <vector>

#include "database/core/EntryList.h"

// The four texts, each with its length, so that moving bytes from one text to the
// next changes the hash.
std::uint64_t HashEntry(const CEntry& entry);
// For and Username alone: the key by which two versions of an entry are paired.
std::uint64_t HashForAndUsername(const CEntry& entry);
// Whether two entries have the same For and Username.
bool SameForAndUsername(const CEntry& a, const CEntry& b);

// A list with its entries' hashes, made once for a list that is compared more than
// once. It refers to the list, which must outlive it and stay unchanged. The hashes
// cover the passwords, so they are wiped as the texts are.
class CHashedEntryList {
public:
    explicit CHashedEntryList(const CEntryList& list);
    ~CHashedEntryList();
    CHashedEntryList(const CHashedEntryList&) = delete;
    CHashedEntryList& operator=(const CHashedEntryList&) = delete;

    int GetCount() const { return m_list.GetCount(); }
    const CEntry& ElementAt(int nIndex) const { return m_list.ElementAt(nIndex); }
    std::uint64_t HashAt(int nIndex) const { return m_hashes[nIndex]; }
    // Whether entry nIndex equals other's entry nOther: the hashes first, then the texts.
    bool Same(int nIndex, const CHashedEntryList& other, int nOther) const
    {
        return m_hashes[nIndex] == other.m_hashes[nOther] && ElementAt(nIndex) == other.ElementAt(nOther);
    }

private:
    const CEntryList& m_list;
    std::vector<std::uint64_t> m_hashes;
};
