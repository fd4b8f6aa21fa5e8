// The clipboard through the Windows clipboard API.
#ifdef _WIN32

#include <windows.h>

#include <cstring>

#include "cli/base/CliError.h"
#include "cli/clipboard/Clipboard.h"

namespace {

// Formats that keep a copy out of Windows' clipboard history and cloud
// clipboard, and out of clipboard monitors that honour them.
const wchar_t* const kExcludeFormats[] = {L"ExcludeClipboardContentFromMonitorProcessing",
                                          L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"};

std::wstring Wide(const std::string& text)
{
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

HGLOBAL GlobalCopy(const void* p, std::size_t nBytes)
{
    HGLOBAL hMemory = GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hMemory) return nullptr;
    std::memcpy(GlobalLock(hMemory), p, nBytes);
    GlobalUnlock(hMemory);
    return hMemory;
}

class CWin32Clipboard : public CClipboard {
public:
    CWin32Clipboard()
        : m_hWnd(CreateWindowExW(0, L"STATIC", L"vaultry-cli", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {}
    ~CWin32Clipboard() override
    {
        SecureZero(&m_text[0], m_text.size() * sizeof(wchar_t));
        if (m_hWnd) DestroyWindow(m_hWnd);
    }

    void Copy(const std::string& text) override
    {
        m_text = Wide(text);
        if (!Open()) throw CCliError(kExitIo, "the clipboard is in use by another program; nothing was copied");
        EmptyClipboard();
        BOOL bOk = Put(CF_UNICODETEXT, GlobalCopy(m_text.c_str(), (m_text.size() + 1) * sizeof(wchar_t)));
        const DWORD dwNo = 0;
        for (const wchar_t* pszFormat : kExcludeFormats)
            bOk = bOk && Put(RegisterClipboardFormatW(pszFormat), GlobalCopy(&dwNo, sizeof dwNo));
        if (!bOk) EmptyClipboard();
        CloseClipboard();
        if (!bOk) throw CCliError(kExitIo, "the clipboard did not take the text");
    }

    BOOL StillHolds() override
    {
        if (!Open()) return FALSE;
        HANDLE hData = GetClipboardData(CF_UNICODETEXT);
        const wchar_t* pszNow = hData ? static_cast<const wchar_t*>(GlobalLock(hData)) : nullptr;
        const BOOL bSame = pszNow && m_text == pszNow;
        if (pszNow) GlobalUnlock(hData);
        CloseClipboard();
        return bSame;
    }

    void Clear() override
    {
        if (!Open()) return;
        EmptyClipboard();
        CloseClipboard();
    }

private:
    // Another program may hold the clipboard open for a moment.
    BOOL Open()
    {
        for (int nTry = 0; nTry < 20; ++nTry) {
            if (OpenClipboard(m_hWnd)) return TRUE;
            Sleep(50);
        }
        return FALSE;
    }

    static BOOL Put(UINT nFormat, HGLOBAL hMemory)
    {
        if (hMemory && nFormat && SetClipboardData(nFormat, hMemory)) return TRUE;
        if (hMemory) GlobalFree(hMemory);
        return FALSE;
    }

    HWND m_hWnd;
    std::wstring m_text;
};

}  // namespace

std::unique_ptr<CClipboard> OpenSystemClipboard() { return std::unique_ptr<CClipboard>(new CWin32Clipboard()); }

#endif
