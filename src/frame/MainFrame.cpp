#include "frame/MainFrame.h"

#include "app/resource.h"
#include "database/document/VaultryDoc.h"

namespace {

const int kWindowWidth = 563;
const int kWindowHeight = 350;
const UINT_PTR kFileWatchTimer = 1;
const UINT kFileWatchMs = 1000;

const UINT indicators[] = {
    ID_SEPARATOR,  // the message pane: prompts, otherwise "Ready"
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_FILE_EXPORT, &CMainFrame::OnFileExport)
    ON_COMMAND(ID_FILE_IMPORT, &CMainFrame::OnFileImport)
    ON_UPDATE_COMMAND_UI(ID_FILE_EXPORT, &CMainFrame::OnUpdateFileExport)
    ON_UPDATE_COMMAND_UI(ID_FILE_IMPORT, &CMainFrame::OnUpdateFileImport)
    ON_WM_TIMER()
    ON_MESSAGE(WM_ENTERMENULOOP, &CMainFrame::OnEnterMenuLoop)
    ON_MESSAGE(WM_EXITMENULOOP, &CMainFrame::OnExitMenuLoop)
    ON_MESSAGE(WM_QUERYENDSESSION, &CMainFrame::OnQueryEndSession)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_nTop(0), m_nLeft(0), m_nHeight(0), m_nWidth(0), m_bInMenuLoop(FALSE) {}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    CalcStartupPlacement();
    cs.y = m_nTop;
    cs.x = m_nLeft;
    cs.cy = m_nHeight;
    cs.cx = m_nWidth;
    return CFrameWnd::PreCreateWindow(cs);
}

void CMainFrame::CalcStartupPlacement()
{
    RECT rcWork = {0, 0, 0, 0};
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0)) {
        AfxMessageBox("SystemParametersInfo Failed.");
        // Centre on the whole screen instead.
        rcWork.right = GetSystemMetrics(SM_CXSCREEN);
        rcWork.bottom = GetSystemMetrics(SM_CYSCREEN);
    }
    PlaceInWorkArea(rcWork);
}

void CMainFrame::PlaceInWorkArea(const RECT& rcWork)
{
    m_nWidth = kWindowWidth;
    m_nHeight = kWindowHeight;
    m_nLeft = (rcWork.right - rcWork.left - kWindowWidth) / 2;
    m_nTop = (rcWork.bottom - rcWork.top - kWindowHeight) / 2;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;

    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME) ||
        !m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof indicators[0])) {
        return -1;
    }

    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    SetTimer(kFileWatchTimer, kFileWatchMs, nullptr);
    return 0;
}

// The document looks at its file only when the user is doing nothing here: no
// dialog or message box is open (they disable this window), no menu, no drag
// with the mouse. A command runs to its end before the next timer message comes.
void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFileWatchTimer) {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    if (!IsWindowEnabled() || m_bInMenuLoop || ::GetCapture() != nullptr) return;
    if (CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(GetActiveDocument())) pDoc->LookForOutsideChange();
}

LRESULT CMainFrame::OnEnterMenuLoop(WPARAM, LPARAM)
{
    m_bInMenuLoop = TRUE;
    return Default();
}

LRESULT CMainFrame::OnExitMenuLoop(WPARAM, LPARAM)
{
    m_bInMenuLoop = FALSE;
    return Default();
}

// At log-off or shut-down a save merges another program's changes without
// asking, and without the report (the document refuses the end itself while one
// of its saves is asking something).
LRESULT CMainFrame::OnQueryEndSession(WPARAM wParam, LPARAM lParam)
{
    CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(GetActiveDocument());
    if (pDoc == nullptr) return CFrameWnd::OnQueryEndSession(wParam, lParam);
    pDoc->m_bEndingSession = TRUE;
    const LRESULT lResult = CFrameWnd::OnQueryEndSession(wParam, lParam);
    pDoc->m_bEndingSession = FALSE;
    return lResult;
}

void CMainFrame::OnUpdateFileExport(CCmdUI* pCmdUI)
{
    CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(GetActiveDocument());
    pCmdUI->Enable(pDoc && pDoc->m_EntryList.GetCount() > 0);
}

// Import is always available: having a handler is enough for that.
void CMainFrame::OnUpdateFileImport(CCmdUI*) {}
