// The password and entry dialogs on their own, driven as a user would.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramFixture.h"
#include "app/resource.h"
#include "database/document/SetPasswordDlg.h"
#include "database/document/UnlockDlg.h"
#include "harness/WindowQueries.h"
#include "views/EntryDlg.h"

namespace apptest {
namespace {

const char kMismatch[] = "Passwords to not match.\nPlease re-type then again.";
const char kNoPassword[] = "You did not specify a password, and Do not lock database\nwas not checked.\n\n"
                           "Continuing will leave the database unlocked.";

// Equal texts (56 characters at most) or Do not lock close it; a mismatch or no password asks first
// (Escape is tried on saving a file).
TEST(SetPasswordDialog, AnswersAndWhatTheyGiveBack)
{
    auto typed = [](std::string pw, std::string confirm, bool bCheck) {
        return [=](harness::ModalDriver& d) {
            d.ExpectDialog("Password Protection").Type(1003, pw).Type(1004, confirm).Check(1010, bCheck).Click(IDOK);
        };
    };
    auto mismatch = [](const char* confirm) {  // differs in case, by a space
        return [confirm](harness::ModalDriver& d) {
            d.ExpectDialog("Password Protection").Type(1003, "secret").Type(1004, confirm).Click(IDOK);
            d.ExpectMessageBox(kMismatch, MB_OK | MB_ICONSTOP).Click(IDOK);
            d.ExpectDialog("Password Protection").ExpectText(1004, confirm).Type(1004, "secret").Click(IDOK);
        };
    };
    const struct {
        const char* name;
        std::function<void(harness::ModalDriver&)> answer;
        BOOL bDoNotLock;
        std::string password;
    } cases[] = {
        {"secreT", mismatch("secreT"), FALSE, "secret"},
        {"secret ", mismatch("secret "), FALSE, "secret"},
        {"do not lock", typed("one", "two", true), TRUE, "one"},
        {"56 characters", typed(std::string(60, 'k'), std::string(60, 'k'), false), FALSE, std::string(56, 'k')},
        {"no password",
         [](harness::ModalDriver& d) {
             d.ExpectDialog("Password Protection").Click(IDOK);
             d.ExpectMessageBox(kNoPassword, MB_YESNO | MB_ICONQUESTION).Click(IDNO);
             d.ExpectDialog("Password Protection").Click(IDOK);
             d.ExpectMessageBox(kNoPassword, MB_YESNO | MB_ICONQUESTION).Click(IDYES);
         },
         TRUE, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::ModalDriver driver;
        c.answer(driver);
        CSetPasswordDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(dlg.m_bDoNotLock, c.bDoNotLock);
        if (!c.bDoNotLock) {
            EXPECT_EQ(dlg.m_strPassword.GetString(), c.password);
        }
    }
}

// The password is hidden and has the focus; Enter takes it (Escape is tried on opening a file).
TEST(UnlockDialog, PasswordIsHiddenFocusedAndTakenByEnter)
{
    harness::ModalDriver driver;
    driver.ExpectDialog("Password Protection")
        .Call([](HWND dlg) {
            EXPECT_EQ(harness::PasswordChar(dlg, 1003), '*');
            EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 1003));
        })
        .Type(1003, "typed")
        .PressEnter();
    CUnlockDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strPassword, "typed");
}

// Text the code page cannot hold is refused, naming its field, which keeps the focus until mended.
TEST(DialogText, CharactersTheCodePageCannotHoldAreRefused)
{
    const struct {
        const char* caption;
        int nID;
        const char* field;
        const wchar_t* text;
        std::function<CString()> run;  // runs the dialog; what it took from the field
    } cases[] = {
        {"Password Protection", IDC_CONFIRM, "Re-Type Password", L"\x0142ukasz",
         [] {
             CSetPasswordDlg d;
             d.DoModal();
             return d.m_strConfirm;
         }},
        {"Entry Properties", IDC_USERNAME, "Username", L"\x0142ukasz",
         [] {
             CEntryDlg d;
             d.DoModal();
             return d.m_strUsername;
         }},
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
        driver
            .ExpectMessageBox(std::string("The ") + c.field +
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

const int kEdits[] = {IDC_FOR, IDC_USERNAME, IDC_PASSWORD, IDC_NOTES};

// Texts shown in clear, focus on For; Save (Alt+S) and Enter take the edits, Escape keeps the old.
TEST(EntryDialog, OnlySaveAndEnterTakeTheTexts)
{
    const std::vector<std::string> original = {"bank", "joe", "s3cret", "pin 1234"};
    const std::vector<std::string> edited = {" bank ", "", "", ""};
    const struct {
        const char* how;
        int result;
    } cases[] = {{"Alt+S", IDOK}, {"Enter", IDOK}, {"Escape", IDCANCEL}};
    for (const auto& c : cases) {
        CEntryDlg dlg;
        CString* fields[] = {&dlg.m_strFor, &dlg.m_strUsername, &dlg.m_strPassword, &dlg.m_strNotes};
        for (int i = 0; i < 4; ++i) *fields[i] = original[i].c_str();
        harness::ModalDriver driver;
        harness::ModalAnswer& answer = driver.ExpectDialog("Entry Properties").Call([&](HWND hDlg) {
            EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_FOR));
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(harness::ControlText(hDlg, kEdits[i]), original[i]);
                EXPECT_EQ(harness::PasswordChar(hDlg, kEdits[i]), 0);
            }
        });
        for (int i = 0; i < 4; ++i) answer.Type(kEdits[i], edited[i]);
        const std::string how = c.how;
        if (how == "Alt+S")  // the mnemonic of Save; the answer then needs no final step
            answer.Call([](HWND) { PostMessageA(GetFocus(), WM_SYSCHAR, 's', 0x20000000); });
        if (how == "Enter") answer.PressEnter();
        if (how == "Escape") answer.PressEscape();
        EXPECT_EQ(dlg.DoModal(), c.result) << how;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(fields[i]->GetString(), (c.result == IDOK ? edited : original)[i]) << how;
    }
}

}  // namespace
}  // namespace apptest
