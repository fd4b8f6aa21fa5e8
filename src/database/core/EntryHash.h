// 64-bit hashes of entries, for the diff and the merge to compare hashes first and
// texts only when the hashes match. Equal entries hash equal within one run of the
// program; the values are not stable across builds and are never stored.
#pragma once

#include <cstdint>

#include "database/core/Entry.h"

// The four texts, each with its length, so that moving bytes from one text to the
// next changes the hash.
std::uint64_t HashEntry(const CEntry& entry);
// For and Username alone: the key by which two versions of an entry are paired.
std::uint64_t HashForAndUsername(const CEntry& entry);
// Whether two entries have the same For and Username.
bool SameForAndUsername(const CEntry& a, const CEntry& b);
