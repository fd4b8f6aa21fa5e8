#include "app/VaultryApp.h"

#include "app/AboutDlg.h"
#include "app/resource.h"
#include "database/document/VaultryDoc.h"
#include "frame/MainFrame.h"
#include "views/VaultryView.h"

namespace {
const char kDefaultDatabase[] = "Vaultry.vty";
}

BEGIN_MESSAGE_MAP(CVaultryApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CVaultryApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CVaultryApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CVaultryApp::OnFileOpen)
END_MESSAGE_MAP()

CVaultryApp::CVaultryApp() = default;

CVaultryApp* GetVaultryApp() { return static_cast<CVaultryApp*>(AfxGetApp()); }

BOOL CVaultryApp::InitInstance()
{
    Enable3dControls();
    SetRegistryKey("Quorlan Software");
    LoadStdProfileSettings(0);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVaultryDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CVaultryView)));
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    const CCommandLineInfo::ShellCommand requested = cmdInfo.m_nShellCommand;

    // The main window comes up over an empty database first; the database itself
    // is opened afterwards, so that its password prompt appears over the window.
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen) cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    if (!ProcessShellCommand(cmdInfo)) return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->DragAcceptFiles(TRUE);

    if (requested == CCommandLineInfo::FileNew || requested == CCommandLineInfo::FileOpen) {
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
        if (cmdInfo.m_strFileName.IsEmpty()) cmdInfo.m_strFileName = kDefaultDatabase;
        ProcessShellCommand(cmdInfo);
    }
    return TRUE;
}

void CVaultryApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CVaultryApp::OnFileNew() { CWinApp::OnFileNew(); }

void CVaultryApp::OnFileOpen() { CWinApp::OnFileOpen(); }
