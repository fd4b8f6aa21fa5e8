#include "BenchSupport.h"

#include <cstdint>
#include <ctime>

namespace {

CString Text(std::uint32_t& seed, int length)
{
    CString s;
    char* p = s.GetBuffer(length);
    for (int i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        p[i] = static_cast<char>(' ' + (seed >> 24) % 95);
    }
    s.ReleaseBuffer(length);
    return s;
}

}  // namespace

const CEntryList& TypicalEntries()
{
    static CEntryList list = [] {
        CEntryList l;
        std::uint32_t seed = 1;
        for (int i = 0; i < kMaxEntries; ++i) {
            CEntry e;
            e.m_strFor = Text(seed, 12 + i % 17);
            e.m_strUsername = Text(seed, 8 + i % 9);
            e.m_strPassword = Text(seed, 16);
            e.m_strNotes = Text(seed, 40 + i % 31);
            l.Add(e);
        }
        return l;
    }();
    return list;
}

double ThreadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
