#include "database/core/Entry.h"

bool operator==(const CEntry& a, const CEntry& b)
{
    return a.m_strFor == b.m_strFor && a.m_strUsername == b.m_strUsername && a.m_strPassword == b.m_strPassword &&
           a.m_strNotes == b.m_strNotes;
}
