#include "database/core/EntryHash.h"

#include <cstring>

namespace {

const std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;

// Folds one text into h, eight bytes at a time, its length first. Each step rotates
// what came before and multiplies by an odd constant, so that every byte reaches
// the high bits and the order of the bytes and of the texts counts.
std::uint64_t AddText(std::uint64_t h, const CString& s)
{
    auto fold = [&h](std::uint64_t w) { h = (((h << 5) | (h >> 59)) ^ w) * kMultiplier; };
    const char* p = s.GetString();
    int n = s.GetLength();
    fold(static_cast<std::uint64_t>(n));
    for (; n >= 8; n -= 8, p += 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        fold(w);
    }
    std::uint64_t w = 0;
    std::memcpy(&w, p, n);
    fold(w);
    return h;
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
