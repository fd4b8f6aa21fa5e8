#include "framework/win32/WindowProcedure.h"

#include <exception>
#include <new>

#include "framework/win32/CWinApp.h"
#include "framework/win32/ExceptionReport.h"
#include "framework/win32/MessageBox.h"
#include "framework/win32/UserException.h"

namespace {

const UINT_PTR kSubclassId = 0xAF01;

ATOM g_atomWnd = 0;
ATOM g_atomFrameOrView = 0;
CWnd* g_pWndInit = nullptr;  // the object waiting for its window
MSG g_currentMsg = {};       // the message being handled

ATOM RegisterFrameworkClass(LPCSTR lpszName, UINT nStyle)
{
    WNDCLASSA wc = {};
    wc.style = nStyle;
    wc.lpfnWndProc = CWndProcedure::WndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = lpszName;
    return ::RegisterClassA(&wc);
}

typedef BOOL(WINAPI* GetWindowSubclassProc)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// Not in the MinGW import library; comctl32 exports it by name (and as ordinal 411).
GetWindowSubclassProc GetWindowSubclassFunction()
{
    static GetWindowSubclassProc pfn = [] {
        HMODULE hComCtl = ::GetModuleHandleA("comctl32.dll");
        FARPROC p = ::GetProcAddress(hComCtl, "GetWindowSubclass");
        if (p == nullptr) p = ::GetProcAddress(hComCtl, MAKEINTRESOURCEA(411));
        return reinterpret_cast<GetWindowSubclassProc>(reinterpret_cast<void*>(p));
    }();
    return pfn;
}

}  // namespace

LPCSTR CWndProcedure::WndClass()
{
    if (g_atomWnd == 0) g_atomWnd = RegisterFrameworkClass("AfxWnd", CS_DBLCLKS);
    return "AfxWnd";
}

LPCSTR CWndProcedure::FrameOrViewClass()
{
    if (g_atomFrameOrView == 0)
        g_atomFrameOrView = RegisterFrameworkClass("AfxFrameOrView", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    return "AfxFrameOrView";
}

BOOL CWndProcedure::IsFrameworkClass(HWND hWnd)
{
    ATOM atom = static_cast<ATOM>(::GetClassLongA(hWnd, GCW_ATOM));
    return atom != 0 && (atom == g_atomWnd || atom == g_atomFrameOrView);
}

LRESULT CALLBACK CWndProcedure::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWndProcedure::SubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR dwRefData)
{
    CWnd* pWnd = reinterpret_cast<CWnd*>(dwRefData);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd) return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    return CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWndProcedure::CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG previous = g_currentMsg;
    g_currentMsg.hwnd = hWnd;
    g_currentMsg.message = nMsg;
    g_currentMsg.wParam = wParam;
    g_currentMsg.lParam = lParam;

    LRESULT lResult = 0;
    BOOL bFailed = FALSE;
    // Exceptions must not unwind through the system's code that called us.
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (const CUserException&) {
        bFailed = TRUE;
    } catch (const CException& e) {
        AfxReportException(e);
        bFailed = TRUE;
    } catch (const std::bad_alloc&) {
        AfxMessageBox("Out of memory.", MB_ICONSTOP);
        bFailed = TRUE;
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_ICONSTOP);
        bFailed = TRUE;
    }
    if (bFailed) {
        lResult = nMsg == WM_CREATE ? -1 : 0;
        // A failed paint would otherwise be asked for again at once.
        if (nMsg == WM_PAINT) ::ValidateRect(hWnd, nullptr);
    }

    g_currentMsg = previous;

    if (nMsg == WM_NCDESTROY) {
        pWnd->DetachFromWindow();
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == pWnd) {
            // The main window is gone: the message loop ends.
            pApp->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        pWnd->PostNcDestroy();
    }
    return lResult;
}

HHOOK CWndProcedure::HookWindowCreate(CWnd* pWnd)
{
    g_pWndInit = pWnd;
    return ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
}

void CWndProcedure::UnhookWindowCreate(HHOOK hHook)
{
    if (hHook != nullptr) ::UnhookWindowsHookEx(hHook);
    g_pWndInit = nullptr;
}

LRESULT CALLBACK CWndProcedure::CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr) {
        // The first window created is the one CreateEx asked for; windows that its
        // creation makes (a tool tip, for one) are created later.
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (IsFrameworkClass(hWnd)) {
            pWnd->AttachOwnClass(hWnd);
        } else if (pWnd->AttachSubclass(hWnd)) {
            pWnd->PreSubclassWindow();
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

BOOL CWndProcedure::AttachDialog(CWnd* pWnd, HWND hWnd) { return pWnd->AttachSubclass(hWnd); }

BOOL CWndProcedure::Subclass(CWnd* pWnd, HWND hWnd)
{
    return ::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(pWnd));
}

void CWndProcedure::Unsubclass(HWND hWnd) { ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId); }

CWnd* CWndProcedure::SubclassedObject(HWND hWnd)
{
    GetWindowSubclassProc pfn = GetWindowSubclassFunction();
    DWORD_PTR dwRefData = 0;
    if (pfn == nullptr || !pfn(hWnd, SubclassProc, kSubclassId, &dwRefData)) return nullptr;
    return reinterpret_cast<CWnd*>(dwRefData);
}

const MSG& CWndProcedure::CurrentMessage() { return g_currentMsg; }
