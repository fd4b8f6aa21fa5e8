#include "ProgramFixture.h"

#include <windows.h>

#include "app/VaultryApp.h"
#include "database/core/DatabaseCodec.h"

namespace apptest {
namespace {

CVaultryApp g_app;
StartUpRecord g_startUp;

const char kMissingDefault[] =
    "The default database vaultry.vty cannot be found.\nIf this is your first time using Vaultry, click Save\n"
    "when your done and leave the name vaultry.vty.";

// Starts the program as WinMain would, in a folder without "Vaultry.vty".
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder_ = new TempFolder;
        SetCurrentDirectoryA(folder_->Path().c_str());
        g_startUp.workingFolder = folder_->Path();
        static char commandLine[] = "";
        AfxWinInit(GetModuleHandle(nullptr), nullptr, commandLine, SW_SHOW);
        harness::ModalDriver driver;
        driver.ExpectMessageBox(kMissingDefault).Click(IDOK);
        g_startUp.bInitialized = g_app.InitInstance();
        g_startUp.boxes = driver.MessageBoxes();
        if (g_startUp.bInitialized) {
            CDocument* pDoc = static_cast<CFrameWnd*>(AfxGetMainWnd())->GetActiveDocument();
            g_startUp.title = pDoc->GetTitle().GetString();
            char caption[256] = "";
            GetWindowTextA(AfxGetMainWnd()->m_hWnd, caption, sizeof caption);
            g_startUp.caption = caption;
        }
    }

    void TearDown() override
    {
        if (CWnd* pMain = AfxGetMainWnd()) {
            static_cast<CFrameWnd*>(pMain)->GetActiveDocument()->SetModifiedFlag(FALSE);
            pMain->DestroyWindow();
        }
        g_app.ExitInstance();
        SetCurrentDirectoryA("\\");
        delete folder_;
    }

private:
    TempFolder* folder_ = nullptr;
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace

const StartUpRecord& StartUp() { return g_startUp; }

CMainFrame* ProgramFixture::Frame() { return static_cast<CMainFrame*>(AfxGetMainWnd()); }

CVaultryDoc* ProgramFixture::Doc() { return static_cast<CVaultryDoc*>(Frame()->GetActiveDocument()); }

void ProgramFixture::Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID, 0); }

void ProgramFixture::StartNew()
{
    Doc()->SetModifiedFlag(FALSE);
    Command(ID_FILE_NEW);
}

std::string ProgramFixture::Title() { return Doc()->GetTitle().GetString(); }

std::string ProgramFixture::Caption()
{
    char caption[256] = "";
    GetWindowTextA(Frame()->m_hWnd, caption, sizeof caption);
    return caption;
}

void ProgramFixture::SetUp()
{
    ASSERT_TRUE(g_startUp.bInitialized);
    StartNew();
}

}  // namespace apptest
