#include "framework/win32/ToolBarResource.h"

#include <cstring>

namespace {

template <class T>
T ReadAt(const BYTE* p, size_t nIndex)
{
    T value;
    std::memcpy(&value, p + nIndex * sizeof(T), sizeof(T));
    return value;
}

}  // namespace

BOOL ParseToolBarResource(const void* pData, DWORD cbData, ToolBarResource& rResource)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    rResource = ToolBarResource();
    if (p == nullptr) return FALSE;

    if (cbData >= 8 && ReadAt<WORD>(p, 0) == 1) {
        WORD wCount = ReadAt<WORD>(p, 3);
        if (cbData == 8u + 2u * wCount) {
            rResource.nWidth = ReadAt<WORD>(p, 1);
            rResource.nHeight = ReadAt<WORD>(p, 2);
            for (WORD i = 0; i < wCount; ++i) rResource.ids.push_back(ReadAt<WORD>(p, 4 + i));
            return TRUE;
        }
    }
    if (cbData >= 12) {
        DWORD dwCount = ReadAt<DWORD>(p, 2);
        if (dwCount < 0x10000 && cbData == 12u + 4u * dwCount) {
            rResource.nWidth = static_cast<int>(ReadAt<DWORD>(p, 0));
            rResource.nHeight = static_cast<int>(ReadAt<DWORD>(p, 1));
            for (DWORD i = 0; i < dwCount; ++i) rResource.ids.push_back(ReadAt<DWORD>(p, 3 + i));
            return TRUE;
        }
    }
    return FALSE;
}

BOOL LoadToolBarResource(HINSTANCE hInst, LPCTSTR lpszResourceName, ToolBarResource& rResource)
{
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(241));
    if (hRsrc == nullptr) return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    if (hGlobal == nullptr) return FALSE;
    return ParseToolBarResource(::LockResource(hGlobal), ::SizeofResource(hInst, hRsrc), rResource);
}
