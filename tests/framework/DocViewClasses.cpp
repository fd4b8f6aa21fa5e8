#include "DocViewClasses.h"

std::vector<std::string> g_handled;

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOCCMD, &CTestDoc::OnDocCmd)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_TEST_VIEWCMD, &CTestView::OnViewCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestView::OnShared)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, &CTestView::OnUpdateChecked)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_FRAMECMD, &CTestFrame::OnFrameCmd)
    ON_UPDATE_COMMAND_UI(ID_TEST_FRAMECMD, &CTestFrame::OnUpdateFrameCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestFrame::OnShared)
    ON_COMMAND(ID_TEST_DISABLED, &CTestFrame::OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, &CTestFrame::OnUpdateDisabled)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CTestApp::OnFileNew)
    ON_COMMAND(ID_TEST_APPCMD, &CTestApp::OnAppCmd)
    ON_COMMAND(ID_TEST_SHARED, &CTestApp::OnShared)
END_MESSAGE_MAP()
