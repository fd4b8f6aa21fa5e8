// The one file that fails on purpose, for the tests of every writer and reader
// (cipher streams, database document, text export).
#pragma once

#include <memory>

#include "framework/portable/CFile.h"

// A file over another that fails once nBytes have gone through it, read or
// written, as a full disk or a vanished drive would: the write or read that
// crosses the limit moves the bytes up to it, then throws CFileException.
class CFailingFile : public CFile {
public:
    CFailingFile(CFile& inner, ULONGLONG nBytes) : m_inner(inner), m_nLeft(nBytes)
    {
        m_strFileName = inner.GetFilePath();
    }
    void Write(const void* lpBuf, UINT nCount) override
    {
        UINT nPass = Pass(nCount);
        m_inner.Write(lpBuf, nPass);
        if (nPass < nCount) throw CFileException(CFileException::diskFull, 0, m_strFileName);
    }
    UINT Read(void* lpBuf, UINT nCount) override
    {
        UINT nPass = Pass(nCount);
        UINT nGot = m_inner.Read(lpBuf, nPass);
        m_nLeft += nPass - nGot;  // bytes the file did not have are not counted
        if (nGot == nPass && nPass < nCount) throw CFileException(CFileException::hardIO, 0, m_strFileName);
        return nGot;
    }
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override { return m_inner.Seek(lOff, nFrom); }
    ULONGLONG GetPosition() const override { return m_inner.GetPosition(); }
    ULONGLONG GetLength() const override { return m_inner.GetLength(); }
    void SetLength(ULONGLONG nNewLen) override { m_inner.SetLength(nNewLen); }
    void Flush() override { m_inner.Flush(); }
    void Close() override { m_inner.Close(); }
    void Abort() override { m_inner.Abort(); }

private:
    // How many of nCount bytes go through before the limit.
    UINT Pass(UINT nCount)
    {
        UINT nPass = nCount < m_nLeft ? nCount : static_cast<UINT>(m_nLeft);
        m_nLeft -= nPass;
        return nPass;
    }

    CFile& m_inner;
    ULONGLONG m_nLeft;
};

// A writer (the document, the text export) whose FileToWrite seam hands out a
// file that fails after m_nFailAt bytes.
template <class TWriter>
class CFailingWriter : public TWriter {
public:
    ULONGLONG m_nFailAt = ~0ULL;

protected:
    CFile& FileToWrite(CFile& file) override
    {
        m_pFailing.reset(new CFailingFile(file, m_nFailAt));
        return *m_pFailing;
    }
    std::unique_ptr<CFailingFile> m_pFailing;
};
