#include "ProgramFixture.h"

#include <windows.h>

#include "app/VaultryApp.h"
#include "database/core/DatabaseCodec.h"

namespace apptest {
namespace {

CVaultryApp g_app;
BOOL g_bStarted = FALSE;

const char kMissingDefault[] =
    "The default database vaultry.vty cannot be found.\nIf this is your first time using Vaultry, click Save\n"
    "when your done and leave the name vaultry.vty.";

// Starts the program as WinMain would, in a folder without "Vaultry.vty": it says so
// in an information box titled "Vaultry".
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder_ = new TempFolder;
        SetCurrentDirectoryA(folder_->Path().c_str());
        static char commandLine[] = "";
        AfxWinInit(GetModuleHandle(nullptr), nullptr, commandLine, SW_SHOW);
        harness::ModalDriver driver;
        driver.ExpectMessageBox(kMissingDefault, MB_OK | MB_ICONINFORMATION).Click(IDOK);
        g_bStarted = g_app.InitInstance();
        ASSERT_TRUE(driver.AllAnswered());
        EXPECT_EQ(driver.MessageBoxes()[0].caption, "Vaultry");
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

CMainFrame* ProgramFixture::Frame() { return static_cast<CMainFrame*>(AfxGetMainWnd()); }

CVaultryDoc* ProgramFixture::Doc() { return static_cast<CVaultryDoc*>(Frame()->GetActiveDocument()); }

CVaultryView* ProgramFixture::View() { return static_cast<CVaultryView*>(Frame()->GetActiveView()); }

void ProgramFixture::Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID, 0); }

void ProgramFixture::StartNew()
{
    Doc()->SetModifiedFlag(FALSE);
    Command(ID_FILE_NEW);
}

void ProgramFixture::Load(int n)
{
    StartNew();
    Doc()->m_EntryList = SampleEntries(n);
    Doc()->UpdateAllViews(nullptr);
}

bool ProgramFixture::Open(const std::string& path) { return AfxGetApp()->OpenDocumentFile(path.c_str()) != nullptr; }

std::string ProgramFixture::Title() { return Doc()->GetTitle().GetString(); }

void ProgramFixture::SetUp()
{
    ASSERT_TRUE(g_bStarted);
    StartNew();
}

}  // namespace apptest
