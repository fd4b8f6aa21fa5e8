#include "framework/win32/CWinApp.h"

#include <cstdlib>
#include <cstring>

#include "framework/win32/AfxPriv.h"
#include "framework/win32/AfxRes.h"
#include "framework/win32/CDocTemplate.h"
#include "framework/win32/ResourceStrings.h"
#include "framework/win32/WindowProcedure.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;

char* DuplicateText(LPCTSTR psz) { return psz != nullptr ? _strdup(psz) : nullptr; }

void FreeText(LPCTSTR& psz)
{
    std::free(const_cast<char*>(psz));
    psz = nullptr;
}

}  // namespace

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->GetMainWnd() : nullptr; }

HINSTANCE AfxGetInstanceHandle()
{
    if (g_pApp != nullptr && g_pApp->m_hInstance != nullptr) return g_pApp->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }

LPCTSTR AfxGetAppName() { return g_pApp != nullptr ? g_pApp->m_pszAppName : ""; }

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(::GetModuleHandleA(nullptr)), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pMainWnd(nullptr), m_msgCur(),
      m_nMaxMRU(0), m_bShellOpen(FALSE), m_pPreviousApp(g_pApp)
{
    g_pApp = this;
    SetNames(lpszAppName);
}

CWinApp::~CWinApp()
{
    for (int i = 0; i < m_templateList.GetSize(); ++i) delete m_templateList[i];
    FreeText(m_pszAppName);
    FreeText(m_pszExeName);
    FreeText(m_pszRegistryKey);
    FreeText(m_pszProfileName);
    if (g_pApp == this) g_pApp = m_pPreviousApp;
}

void CWinApp::SetNames(LPCTSTR lpszAppName)
{
    char szModule[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, szModule, MAX_PATH);
    const char* pName = std::strrchr(szModule, '\\');
    CString strExe = pName != nullptr ? pName + 1 : szModule;
    int nDot = strExe.Find('.');
    if (nDot >= 0) strExe = strExe.Left(nDot);
    m_pszExeName = DuplicateText(strExe);

    CString strTitle;
    if (lpszAppName != nullptr) {
        strTitle = lpszAppName;
    } else if (!AfxLoadString(AFX_IDS_APP_TITLE, strTitle)) {
        strTitle = strExe;
    }
    m_pszAppName = DuplicateText(strTitle);
    m_pszProfileName = DuplicateText(strExe + ".INI");
}

BOOL CWinApp::InitInstance() { return TRUE; }

CWnd* CWinApp::GetMainWnd() { return m_pMainWnd; }

int CWinApp::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++)) bIdle = FALSE;
        }
        do {
            if (!PumpMessage()) return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::PumpMessage()
{
    if (::GetMessageA(&m_msgCur, nullptr, 0, 0) <= 0) return FALSE;  // WM_QUIT (or an error)
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::IsIdleMessage(MSG* pMsg)
{
    static POINT ptLastMouseMove = {-1, -1};
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // A mouse that did not move is no reason to update the bars again.
        if (pMsg->pt.x == ptLastMouseMove.x && pMsg->pt.y == ptLastMouseMove.y) return FALSE;
        ptLastMouseMove = pMsg->pt;
        return TRUE;
    }
    // WM_PAINT and the caret's blink timer (0x0118) come by themselves.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(SafeHwnd(pMainWnd), pMsg)) return TRUE;
    // A window outside the main window's tree still gets its accelerators.
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMsg->hwnd != nullptr) {
        HWND hTop = pMsg->hwnd;
        while ((::GetWindowLongA(hTop, GWL_STYLE) & WS_CHILD) && ::GetParent(hTop) != nullptr) hTop = ::GetParent(hTop);
        if (hTop != pMainWnd->m_hWnd) return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        // The main window and its bars bring their command states up to date.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            CWndProcedure::CallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1) CWnd::DeleteTempMap();
    return FALSE;
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = CWnd::GetSafeOwner_(nullptr, nullptr);
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
