// The two password dialogs run on their own, driven as a user would; and text
// that the code page cannot hold, refused by them and by the entry dialog.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramFixture.h"
#include "app/resource.h"
#include "database/document/SetPasswordDlg.h"
#include "database/document/UnlockDlg.h"
#include "views/EntryDlg.h"

namespace apptest {
namespace {

const char kMismatch[] = "Passwords to not match.\nPlease re-type then again.";
const char kNoPassword[] =
    "You did not specify a password, and Do not lock database\nwas not checked.\n\n"
    "Continuing will leave the database unlocked.";

struct SetPasswordResult {
    INT_PTR result;
    BOOL bDoNotLock;
    std::string password;
};

SetPasswordResult RunSetPassword()
{
    CSetPasswordDlg dlg;
    INT_PTR result = dlg.DoModal();
    return {result, dlg.m_bDoNotLock, dlg.m_strPassword.GetString()};
}

TEST(SetPasswordDialog, EqualPasswordsCloseWithThatPassword)
{
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(1003, "Abc 123").Type(1004, "Abc 123").Click(IDOK);
    SetPasswordResult r = RunSetPassword();
    EXPECT_EQ(r.result, IDOK);
    EXPECT_FALSE(r.bDoNotLock);
    EXPECT_EQ(r.password, "Abc 123");
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Texts that differ, in one character or only in case, keep the dialog open
// with the stop icon; after a correction OK closes it.
TEST(SetPasswordDialog, MismatchKeepsTheDialogOpen)
{
    for (const char* confirm : {"secreT", "secrex", "secret "}) {
        SCOPED_TRACE(confirm);
        harness::ModalDriver driver;
        driver.ExpectDialog("Password Protection").Type(1003, "secret").Type(1004, confirm).Click(IDOK);
        driver.ExpectMessageBox(kMismatch).Click(IDOK);
        driver.ExpectDialog("Password Protection").ExpectText(1004, confirm).Type(1004, "secret").Click(IDOK);
        SetPasswordResult r = RunSetPassword();
        EXPECT_TRUE(driver.AllAnswered());
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(r.result, IDOK);
        EXPECT_EQ(r.password, "secret");
    }
}

TEST(SetPasswordDialog, DoNotLockAcceptsAnyTexts)
{
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Type(1003, "one").Type(1004, "two").Check(1010).Click(IDOK);
    SetPasswordResult r = RunSetPassword();
    EXPECT_EQ(r.result, IDOK);
    EXPECT_TRUE(r.bDoNotLock);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST(SetPasswordDialog, NoPasswordAsksAndYesTicksTheBoxVisibly)
{
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection").Click(IDOK);
    driver.ExpectMessageBox(kNoPassword).Click(IDNO);
    driver.ExpectDialog("Password Protection").Click(IDOK);
    driver.ExpectMessageBox(kNoPassword)
        .Call([](HWND box) {
            // The dialog under the question is the message box's owner.
            HWND dlg = GetWindow(box, GW_OWNER);
            EXPECT_EQ(IsDlgButtonChecked(dlg, 1010), BST_UNCHECKED);
        })
        .Click(IDYES);
    SetPasswordResult r = RunSetPassword();
    EXPECT_TRUE(driver.AllAnswered());
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[1].icon, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(driver.MessageBoxes()[1].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(r.result, IDOK);
    EXPECT_TRUE(r.bDoNotLock);
}

TEST(SetPasswordDialog, AtMostFiftySixCharactersCanBeTyped)
{
    const std::string typed(60, 'k');
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection")
        .Type(1003, typed)
        .Type(1004, typed)
        .ExpectText(1003, std::string(56, 'k'))
        .ExpectText(1004, std::string(56, 'k'))
        .Click(IDOK);
    SetPasswordResult r = RunSetPassword();
    EXPECT_EQ(r.result, IDOK);
    EXPECT_EQ(r.password, std::string(56, 'k'));
}

TEST(SetPasswordDialog, EscapeAndCloseBoxTransferNothing)
{
    for (int how = 0; how < 2; ++how) {
        harness::ModalDriver driver;
        harness::ModalAnswer& a = driver.ExpectDialog("Password Protection").Type(1003, "abc").Check(1010);
        if (how == 0) a.PressEscape();
        else a.Close();
        SetPasswordResult r = RunSetPassword();
        EXPECT_EQ(r.result, IDCANCEL);
        EXPECT_FALSE(r.bDoNotLock);
        EXPECT_EQ(r.password, "");
    }
}

TEST(UnlockDialog, EnterReturnsTheTextEscapeCancels)
{
    {
        harness::ModalDriver driver;
        driver.ExpectDialog("Password Protection").PressEnter();
        CUnlockDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strPassword, "");
    }
    {
        harness::ModalDriver driver;
        driver.ExpectDialog("Password Protection")
            .Call([](HWND dlg) {
                EXPECT_EQ(SendDlgItemMessageA(dlg, 1003, EM_GETPASSWORDCHAR, 0, 0), '*');
                EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 1003));
            })
            .Type(1003, "typed")
            .PressEscape();
        CUnlockDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

// Six Cyrillic letters would be stored as the key "??????", and "\u0142" as "?" or
// "l": such text is refused, naming its field, and the dialog stays with that
// field's text selected until it is mended.
TEST(DialogText, CharactersTheCodePageCannotHoldAreRefused)
{
    const struct {
        const char* caption;
        int nID;
        const char* field;
        const wchar_t* text;
        std::function<CString()> run;   // runs the dialog; what it took from the field
    } cases[] = {
        {"Password Protection", IDC_PASSWORD, "Password", L"\x0436\x0438\x0437\x043D\x044C\x044F",
         [] { CUnlockDlg d; d.DoModal(); return d.m_strPassword; }},
        {"Password Protection", IDC_CONFIRM, "Re-Type Password", L"\x0142ukasz",
         [] { CSetPasswordDlg d; d.DoModal(); return d.m_strConfirm; }},
        {"Entry Properties", IDC_USERNAME, "Username", L"\x0142ukasz",
         [] { CEntryDlg d; d.DoModal(); return d.m_strUsername; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        harness::ModalDriver driver;
        driver.ExpectDialog(c.caption)
            .Call([&](HWND dlg) {
                SetDlgItemTextA(dlg, IDC_PASSWORD, "mended");
                SetDlgItemTextW(dlg, c.nID, c.text);
            })
            .Click(IDOK);
        driver.ExpectMessageBox(std::string("The ") + c.field +
                                " field contains characters that cannot be stored.\n"
                                "Use only characters of your keyboard's standard set.")
            .Click(IDOK);
        driver.ExpectDialog(c.caption)
            .Call([&](HWND dlg) {
                EXPECT_EQ(GetFocus(), GetDlgItem(dlg, c.nID));
                EXPECT_EQ(SendDlgItemMessageA(dlg, c.nID, EM_GETSEL, 0, 0), MAKELRESULT(0, 6));
                SetDlgItemTextA(dlg, c.nID, "mended");
            })
            .Click(IDOK);
        EXPECT_EQ(c.run(), "mended");
        EXPECT_TRUE(driver.AllAnswered());
    }
}

}  // namespace
}  // namespace apptest
