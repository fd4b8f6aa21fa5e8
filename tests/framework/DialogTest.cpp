// CDialog with data exchange over a real dialog template, driven while its modal
// loop runs: members to controls and back, the length limit when typing, OK kept
// open by a failed validation, Cancel from the button, Escape and the close box.
#include <gtest/gtest.h>

#include "harness/ModalDriver.h"
#include "TestResources.h"
#include "framework/win32/Afx.h"

namespace {

class CTestDialog : public CDialog {
public:
    CTestDialog() : CDialog(IDD_TESTDIALOG) {}

    CEdit m_editName;
    CString m_strName;
    BOOL m_bFlag = FALSE;
    BOOL m_bInitDialogRan = FALSE;
    TCHAR m_chPassword = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_NAME, m_editName);
        DDX_Check(pDX, IDC_FLAG, m_bFlag);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_bInitDialogRan = TRUE;
        m_editName.SetPasswordChar('*');
        m_chPassword = m_editName.GetPasswordChar();
        return TRUE;
    }
};

}  // namespace

TEST(Dialog, MembersGoToTheControlsAndComeBackOnOk)
{
    CTestDialog dlg;
    dlg.m_strName = "abc";
    dlg.m_bFlag = TRUE;
    harness::ModalDriver driver;
    driver.ExpectDialog("Data Exchange")
        .ExpectText(IDC_NAME, "abc")
        .Call([](HWND hDlg) {
            EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_FLAG, BM_GETCHECK, 0, 0), BST_CHECKED);
            EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_NAME, EM_GETLIMITTEXT, 0, 0), 5);
        })
        .SetText(IDC_NAME, "xyz")
        .Check(IDC_FLAG, false)
        .Click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_TRUE(dlg.m_bInitDialogRan);
    EXPECT_EQ(dlg.m_chPassword, '*');
    EXPECT_EQ(dlg.m_strName, "xyz");
    EXPECT_FALSE(dlg.m_bFlag);
    // The dialog and its subclassed control are gone with the window.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_editName.m_hWnd, nullptr);
}

TEST(Dialog, TypingStopsAtTheLimitOfMaxChars)
{
    CTestDialog dlg;
    harness::ModalDriver driver;
    driver.ExpectDialog("Data Exchange").Type(IDC_NAME, "abcdefgh").ExpectText(IDC_NAME, "abcde").Click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(dlg.m_strName, "abcde");
}

TEST(Dialog, FailedValidationKeepsTheDialogOpen)
{
    CTestDialog dlg;
    harness::ModalDriver driver;
    driver.ExpectDialog("Data Exchange").SetText(IDC_NAME, "far too long").Click(IDOK);
    driver.ExpectMessageBox("Please enter no more than 5 characters.").Click(IDOK);
    driver.ExpectDialog("Data Exchange")
        .Call([](HWND hDlg) { EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_NAME)); })
        .SetText(IDC_NAME, "ok")
        .Click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(dlg.m_strName, "ok");
}

TEST(Dialog, CancelEscapeAndCloseBoxLeaveTheMembersAlone)
{
    for (int way = 0; way < 3; ++way) {
        CTestDialog dlg;
        dlg.m_strName = "abc";
        harness::ModalDriver driver;
        harness::ModalAnswer& answer = driver.ExpectDialog("Data Exchange").SetText(IDC_NAME, "xyz");
        if (way == 0) answer.Click(IDCANCEL);
        else if (way == 1) answer.PressEscape();
        else answer.Close();
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << "way " << way;
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(dlg.m_strName, "abc") << "way " << way;
    }
}

TEST(AppMessageBox, CaptionIsTheApplicationTitleAndTheMainWindowOwnsIt)
{
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr));
    AfxGetApp()->m_pMainWnd = &mainWnd;
    harness::ModalDriver driver;
    driver.ExpectMessageBox("Question?")
        .Call([&mainWnd](HWND hBox) { EXPECT_EQ(GetWindow(hBox, GW_OWNER), mainWnd.m_hWnd); })
        .Click(IDNO);
    EXPECT_EQ(AfxMessageBox("Question?", MB_YESNO), IDNO);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "Framework Test");
    EXPECT_EQ(driver.MessageBoxes()[0].Style(), static_cast<UINT>(MB_YESNO));
    AfxGetApp()->m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}
