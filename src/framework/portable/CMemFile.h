// CMemFile: a file held in memory, growing in steps of a given size. Its buffer is
// zeroed before it is freed, since it holds deciphered database text.
#pragma once

#include "framework/portable/CFile.h"

class CMemFile : public CFile {
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    ~CMemFile() override;

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG nNewLen) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

    // The bytes held, valid until the next write or close.
    const BYTE* GetData() const { return m_lpBuffer; }

private:
    void GrowFile(ULONGLONG nNewLen);
    void Free();

    UINT m_nGrowBytes;
    BYTE* m_lpBuffer;
    std::size_t m_nBufferSize;
    std::size_t m_nFileSize;
    std::size_t m_nPosition;
};
