// CArchive: a buffered reader or writer over a CFile. It stores bytes, 16- and
// 32-bit little-endian words, CStrings in their length-prefixed archive form, and
// lines of text. Running out of data while loading throws CArchiveException.
#pragma once

#include "framework/portable/CFile.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const { return m_pFile; }

    // Loading: reads up to nMax bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    // Storing: writes nCount bytes.
    void Write(const void* lpBuf, UINT nCount);
    // Storing: hands the buffered bytes to the file.
    void Flush();
    // Storing: flushes; then detaches from the file (the file stays open).
    void Close();
    // Detaches without flushing.
    void Abort();

    // Loading: the bytes not yet read, in the buffer and in the file after it.
    ULONGLONG GetBytesLeft() const;

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(const CString& s);
    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(CString& s);

    // Storing: the bytes of the text, without a terminator.
    void WriteString(LPCTSTR psz);
    void WriteString(const CString& s);
    // Loading: the next line without its end (LF, CR LF, or a lone CR). Zero bytes
    // are dropped as if the file did not hold them. FALSE when the file ended
    // before any byte of a new line.
    BOOL ReadString(CString& rString);
    // Loading: how many zero bytes ReadString has dropped so far.
    ULONGLONG GetDroppedZeroCount() const { return m_nDroppedZeros; }

private:
    void FillBuffer();
    // operator>>(CString&) for any prefix, wherever the text lies.
    void ReadPrefixedString(CString& s);
    [[noreturn]] static void ThrowEndOfFile();
    void CheckLoading() const;
    void CheckStoring() const;

    CFile* m_pFile;
    BOOL m_bLoading;
    BOOL m_bNoFlushOnDelete;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;  // loading: end of the bytes read; storing: end of the buffer
    UINT m_nBufSize;
    ULONGLONG m_nDroppedZeros = 0;
};
