#include "DocViewClasses.h"

std::vector<std::string> g_handled;

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOCCMD, &CTestDoc::OnDocCmd)
END_MESSAGE_MAP()

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ++m_nStores;
        ar.WriteString(m_strText);
    } else {
        ++m_nLoads;
        if (m_bThrowOnLoad) throw CFileException(CFileException::hardIO, 0, "loading");
        char buffer[256];
        m_strText.Empty();
        for (UINT n; (n = ar.Read(buffer, sizeof(buffer))) > 0;) m_strText.Append(buffer, static_cast<int>(n));
    }
}

BOOL CTestDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument()) return FALSE;
    ++m_nNewDocuments;
    m_strText.Empty();
    return TRUE;
}

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_TEST_VIEWCMD, &CTestView::OnViewCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestView::OnShared)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, &CTestView::OnUpdateChecked)
END_MESSAGE_MAP()

void CTestView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    CView::OnInitialUpdate();
}

void CTestView::OnUpdate(CView*, LPARAM lHint, CObject*)
{
    ++m_nUpdates;
    m_lLastHint = lHint;
}

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_FRAMECMD, &CTestFrame::OnFrameCmd)
    ON_UPDATE_COMMAND_UI(ID_TEST_FRAMECMD, &CTestFrame::OnUpdateFrameCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestFrame::OnShared)
    ON_COMMAND(ID_TEST_DISABLED, &CTestFrame::OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, &CTestFrame::OnUpdateDisabled)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CBarsFrame, CTestFrame)

BEGIN_MESSAGE_MAP(CBarsFrame, CTestFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
}

int CBarsFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTestFrame::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_TESTFRAME) ||
        !m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 4))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CTestApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CTestApp::OnFileOpen)
    ON_COMMAND(ID_TEST_APPCMD, &CTestApp::OnAppCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestApp::OnShared)
END_MESSAGE_MAP()

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
