#include "cli/OutputStreamFile.h"

#include <ostream>

COutputStreamFile::COutputStreamFile(std::ostream& out, LPCTSTR pszName) : m_out(out) { m_strFileName = pszName; }

void COutputStreamFile::Write(const void* lpBuf, UINT nCount)
{
    m_out.write(static_cast<const char*>(lpBuf), nCount);
    if (!m_out) throw CFileException(CFileException::genericException, 0, m_strFileName);
}

void COutputStreamFile::Flush()
{
    m_out.flush();
    if (!m_out) throw CFileException(CFileException::genericException, 0, m_strFileName);
}
