#include "framework/win32/TextMessages.h"

#include <cstring>
#include <vector>

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
    std::vector<WCHAR> wide = Wide(strText);
    size_t nCopy = wide.size() < wParam - 1 ? wide.size() : wParam - 1;
    WCHAR* pOut = reinterpret_cast<WCHAR*>(lParam);
    if (nCopy > 0) std::memcpy(pOut, wide.data(), nCopy * sizeof(WCHAR));
    pOut[nCopy] = 0;
    return static_cast<LRESULT>(nCopy);
}

LRESULT AfxAnswerGetTextLength(const CString& strText) { return static_cast<LRESULT>(Wide(strText).size()); }

CString AfxSetTextArgument(LPARAM lParam)
{
    if (lParam == 0) return CString();
    LPCWSTR pszWide = reinterpret_cast<LPCWSTR>(lParam);
    int n = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);  // the NUL included
    CString strText;
    if (n > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, strText.GetBuffer(n), n, nullptr, nullptr);
        strText.ReleaseBuffer(n - 1);
    }
    return strText;
}
