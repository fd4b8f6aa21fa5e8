// CDialog with data exchange over a real dialog template, driven while its modal
// loop runs: members to controls and back, the length limit when typing, OK kept
// open by a failed validation, Cancel from the button, Escape and the close box.
#include <gtest/gtest.h>

#include "ModalSteps.h"
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

// Reads what the controls show.
struct Shown {
    std::string name;
    LRESULT check = -1;
    LRESULT limit = -1;
};

ModalSteps::Step Read(Shown& shown)
{
    return [&shown](HWND hDlg) {
        shown.name = WindowText(GetDlgItem(hDlg, IDC_NAME));
        shown.check = SendDlgItemMessageA(hDlg, IDC_FLAG, BM_GETCHECK, 0, 0);
        shown.limit = SendDlgItemMessageA(hDlg, IDC_NAME, EM_GETLIMITTEXT, 0, 0);
    };
}

}  // namespace

TEST(Dialog, MembersGoToTheControlsAndComeBackOnOk)
{
    CTestDialog dlg;
    dlg.m_strName = "abc";
    dlg.m_bFlag = TRUE;
    Shown shown;
    ModalSteps steps({ModalSteps::Then(Read(shown), ModalSteps::Then(ModalSteps::SetText(IDC_NAME, "xyz"),
                                                                      [](HWND hDlg) {
                                                                          CheckDlgButton(hDlg, IDC_FLAG,
                                                                                         BST_UNCHECKED);
                                                                          PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
                                                                      }))});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bInitDialogRan);
    EXPECT_EQ(shown.name, "abc");
    EXPECT_EQ(shown.check, BST_CHECKED);
    EXPECT_EQ(shown.limit, 5);
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
    Shown shown;
    ModalSteps steps({ModalSteps::Then(ModalSteps::Type(IDC_NAME, "abcdefgh"),
                                       ModalSteps::Then(Read(shown), ModalSteps::Click(IDOK)))});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(shown.name, "abcde");
    EXPECT_EQ(dlg.m_strName, "abcde");
}

TEST(Dialog, FailedValidationKeepsTheDialogOpen)
{
    CTestDialog dlg;
    HWND hFocus = nullptr;
    ModalSteps steps({
        ModalSteps::Then(ModalSteps::SetText(IDC_NAME, "far too long"), ModalSteps::Click(IDOK)),
        ModalSteps::Click(IDOK),   // the message box
        [&hFocus](HWND hDlg) {
            hFocus = GetFocus() == GetDlgItem(hDlg, IDC_NAME) ? GetFocus() : nullptr;
            SetDlgItemTextA(hDlg, IDC_NAME, "ok");
            PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        },
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(steps.MessageBoxTexts(), (std::vector<std::string>{"Please enter no more than 5 characters."}));
    EXPECT_NE(hFocus, nullptr);   // the failing control got the focus back
    EXPECT_EQ(dlg.m_strName, "ok");
}

TEST(Dialog, CancelEscapeAndCloseBoxLeaveTheMembersAlone)
{
    const std::vector<ModalSteps::Step> ways = {
        ModalSteps::Then(ModalSteps::SetText(IDC_NAME, "xyz"), ModalSteps::Click(IDCANCEL)),
        ModalSteps::Then(ModalSteps::SetText(IDC_NAME, "xyz"),
                         [](HWND hDlg) {
                             HWND hEdit = GetDlgItem(hDlg, IDC_NAME);
                             PostMessageA(hEdit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                         }),
        ModalSteps::Then(ModalSteps::SetText(IDC_NAME, "xyz"),
                         [](HWND hDlg) { PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }),
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        CTestDialog dlg;
        dlg.m_strName = "abc";
        ModalSteps steps({ways[i]});
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << "way " << i;
        EXPECT_EQ(dlg.m_strName, "abc") << "way " << i;
    }
}

TEST(AppMessageBox, CaptionIsTheApplicationTitleAndTheMainWindowOwnsIt)
{
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr));
    AfxGetApp()->m_pMainWnd = &mainWnd;
    HWND hOwner = nullptr;
    ModalSteps steps({[&hOwner](HWND hBox) {
        hOwner = GetWindow(hBox, GW_OWNER);
        PostMessageA(hBox, WM_COMMAND, IDNO, 0);
    }});
    EXPECT_EQ(AfxMessageBox("Question?", MB_YESNO), IDNO);
    EXPECT_EQ(steps.Captions(), (std::vector<std::string>{"Framework Test"}));
    EXPECT_EQ(steps.MessageBoxTexts(), (std::vector<std::string>{"Question?"}));
    EXPECT_EQ(hOwner, mainWnd.m_hWnd);
    AfxGetApp()->m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}
