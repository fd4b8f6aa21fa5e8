#include "framework/win32/TextMessages.h"

#include <cstring>
#include <vector>

#include "framework/win32/WindowProcedure.h"

namespace {

std::vector<WCHAR> Wide(const CString& strText)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(n));
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), wide.data(), n);
    return wide;
}

}  // namespace

LRESULT AfxAnswerGetText(const CString& strText, WPARAM wParam, LPARAM lParam)
{
    if (wParam == 0 || lParam == 0) return 0;
    if (CWndProcedure::IsCurrentMessageWide()) {
        std::vector<WCHAR> wide = Wide(strText);
        size_t nCopy = wide.size() < wParam - 1 ? wide.size() : wParam - 1;
        WCHAR* pOut = reinterpret_cast<WCHAR*>(lParam);
        if (nCopy > 0) std::memcpy(pOut, wide.data(), nCopy * sizeof(WCHAR));
        pOut[nCopy] = 0;
        return static_cast<LRESULT>(nCopy);
    }
    size_t nCopy = static_cast<size_t>(strText.GetLength()) < wParam - 1 ? strText.GetLength() : wParam - 1;
    char* pOut = reinterpret_cast<char*>(lParam);
    std::memcpy(pOut, strText.GetString(), nCopy);
    pOut[nCopy] = 0;
    return static_cast<LRESULT>(nCopy);
}

LRESULT AfxAnswerGetTextLength(const CString& strText)
{
    if (CWndProcedure::IsCurrentMessageWide()) return static_cast<LRESULT>(Wide(strText).size());
    return strText.GetLength();
}

CString AfxSetTextArgument(LPARAM lParam)
{
    if (lParam == 0) return CString();
    if (!CWndProcedure::IsCurrentMessageWide()) return CString(reinterpret_cast<LPCSTR>(lParam));
    LPCWSTR pszWide = reinterpret_cast<LPCWSTR>(lParam);
    int n = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);  // the NUL included
    CString strText;
    if (n > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, strText.GetBuffer(n), n, nullptr, nullptr);
        strText.ReleaseBuffer(n - 1);
    }
    return strText;
}
