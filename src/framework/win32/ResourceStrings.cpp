#include "framework/win32/ResourceStrings.h"

#include <cstring>

#include "framework/win32/CWinApp.h"

BOOL AfxLoadString(UINT nID, CString& rString)
{
    rString.Empty();
    // With a buffer size of 0, LoadStringW hands out the resource's own text (not
    // terminated) and returns its length, so strings of any length are read whole.
    LPCWSTR pText = nullptr;
    int nLength = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nLength <= 0 || pText == nullptr) return FALSE;
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pText, nLength, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(CP_ACP, 0, pText, nLength, rString.GetBuffer(nBytes), nBytes, nullptr, nullptr);
    rString.ReleaseBuffer(nBytes);
    return TRUE;
}

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (lpszFullString == nullptr) return FALSE;
    while (iSubString--) {
        lpszFullString = std::strchr(lpszFullString, chSep);
        if (lpszFullString == nullptr) return FALSE;
        ++lpszFullString;
    }
    const char* pEnd = std::strchr(lpszFullString, chSep);
    int nLength =
        pEnd == nullptr ? static_cast<int>(std::strlen(lpszFullString)) : static_cast<int>(pEnd - lpszFullString);
    rString = CString(lpszFullString, nLength);
    return TRUE;
}
