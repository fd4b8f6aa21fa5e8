#include "database/core/FileChangeWatch.h"

void CFileChangeWatch::SetKnown(const FileStamp& stamp)
{
    m_known = stamp;
    m_last = stamp;
}

CFileChangeWatch::Look CFileChangeWatch::LookAt(const FileStamp& now)
{
    const FileStamp last = m_last;
    m_last = now;
    if (now == m_known) return Look::unchanged;
    return now == last ? Look::settled : Look::changing;
}
