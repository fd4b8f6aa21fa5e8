// COutputStreamFile: a write-only CFile over a standard stream, so that an
// archive can write text lines to standard output.
#pragma once

#include <iosfwd>

#include "framework/portable/CFile.h"

class COutputStreamFile : public CFile {
public:
    // pszName names the stream in error messages.
    COutputStreamFile(std::ostream& out, LPCTSTR pszName);

    // Throws CFileException when the stream refuses the bytes.
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override { Flush(); }
    void Abort() override {}

private:
    std::ostream& m_out;
};
