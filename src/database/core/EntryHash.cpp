#include "database/core/EntryHash.h"

#include <functional>
#include <string_view>

namespace {

// Folds one text into h. The standard hash of the bytes covers the text's length,
// and the odd multiplier makes the result depend on the texts' order.
std::uint64_t AddText(std::uint64_t h, const CString& s)
{
    const std::uint64_t t = std::hash<std::string_view>()(std::string_view(s.GetString(), s.GetLength()));
    return (h ^ t) * 0x9E3779B97F4A7C15u;
}

}  // namespace

std::uint64_t HashForAndUsername(const CEntry& entry)
{
    return AddText(AddText(0, entry.m_strFor), entry.m_strUsername);
}

std::uint64_t HashEntry(const CEntry& entry)
{
    return AddText(AddText(HashForAndUsername(entry), entry.m_strPassword), entry.m_strNotes);
}

bool SameForAndUsername(const CEntry& a, const CEntry& b)
{
    return a.m_strFor == b.m_strFor && a.m_strUsername == b.m_strUsername;
}

CHashedEntryList::CHashedEntryList(const CEntryList& list) : m_list(list), m_hashes(list.GetCount())
{
    for (int i = 0; i < list.GetCount(); ++i) m_hashes[i] = HashEntry(list.ElementAt(i));
}

CHashedEntryList::~CHashedEntryList()
{
    if (!m_hashes.empty()) SecureZero(m_hashes.data(), m_hashes.size() * sizeof m_hashes[0]);
}
