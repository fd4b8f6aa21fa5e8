// The modal driver against a real dialog run from an in-memory template: two
// masked, limited edits, a check box, OK and Cancel. OK with two different texts
// and the box not ticked shows a message box and keeps the dialog open.
#include "harness/DialogTemplate.h"
#include "harness/ModalDriver.h"
#include "harness/WindowQueries.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using harness::DialogTemplate;
using harness::ModalDriver;

namespace {

constexpr int kFirst = 1003;
constexpr int kSecond = 1004;
constexpr int kSkip = 1010;
constexpr int kLimit = 8;
const char kCaption[] = "Set Secret";
const char kDifferMessage[] = "The texts differ.";

struct Outcome {
    std::string first, second;
    bool skip = false;
    bool ignoreCancel = false;
};

std::string Text(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

INT_PTR CALLBACK SecretDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* outcome = reinterpret_cast<Outcome*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        for (int id : {kFirst, kSecond}) {
            SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kLimit, 0);
            SendDlgItemMessageA(dialog, id, EM_SETPASSWORDCHAR, '*', 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            outcome->first = Text(dialog, kFirst);
            outcome->second = Text(dialog, kSecond);
            outcome->skip = IsDlgButtonChecked(dialog, kSkip) == BST_CHECKED;
            if (outcome->first != outcome->second && !outcome->skip)
                MessageBoxA(dialog, kDifferMessage, "Secret", MB_OK | MB_ICONSTOP);
            else
                EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL && !outcome->ignoreCancel) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    }
    return FALSE;
}

DialogTemplate SecretTemplate(bool withCancel = true)
{
    DialogTemplate dialog(kCaption, 200, 90);
    dialog.Label(-1, "Secret", 7, 7, 100, 8)
        .Edit(kFirst, 7, 17, 120, 14)
        .Label(-1, "Again", 7, 35, 100, 8)
        .Edit(kSecond, 7, 45, 120, 14)
        .CheckBox(kSkip, "Do without", 7, 68, 120, 10)
        .DefaultButton(IDOK, "OK", 140, 7, 50, 14);
    if (withCancel)
        dialog.Button(IDCANCEL, "Cancel", 140, 24, 50, 14);
    return dialog;
}

class DialogDriver : public ::testing::Test {
protected:
    INT_PTR Run(const DialogTemplate& dialog)
    {
        return dialog.Run(nullptr, &SecretDialog, reinterpret_cast<LPARAM>(&outcome));
    }
    INT_PTR Run() { return Run(SecretTemplate()); }

    ModalDriver driver;
    Outcome outcome;
};

}  // namespace

TEST_F(DialogDriver, TypesChecksAndClicksOk)
{
    driver.ExpectDialog(kCaption).Type(kFirst, "one").Type(kSecond, "two").Check(kSkip).Click(IDOK);

    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(outcome.first, "one");
    EXPECT_EQ(outcome.second, "two");
    EXPECT_TRUE(outcome.skip);
    EXPECT_EQ(driver.Captions(), std::vector<std::string>{kCaption});
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_TRUE(driver.AllAnswered());
}

TEST_F(DialogDriver, TypingStopsAtTheEditLimitWhileSetTextDoesNot)
{
    driver.ExpectDialog(kCaption)
        .Type(kFirst, "123456789")
        .SetText(kSecond, "123456789")
        .Check(kSkip)
        .Call([](HWND dialog) {
            // The edit keeps the real text and shows "*" for each character.
            EXPECT_EQ(harness::ControlText(dialog, kFirst), "12345678");
            EXPECT_EQ(harness::PasswordChar(dialog, kFirst), '*');
            EXPECT_EQ(harness::CheckState(dialog, kSkip), BST_CHECKED);
        })
        .Click(IDOK);

    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(outcome.first, "12345678");
    EXPECT_EQ(outcome.second, "123456789");
}

TEST_F(DialogDriver, TypingReplacesTheTextAndCheckCanUntick)
{
    driver.ExpectDialog(kCaption)
        .SetText(kFirst, "old")
        .Type(kFirst, "new")
        .Check(kSkip)
        .Check(kSkip, false)
        .Type(kSecond, "new")
        .ExpectText(kFirst, "new")
        .Click(IDOK);

    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(outcome.first, "new");
    EXPECT_FALSE(outcome.skip);
}

TEST_F(DialogDriver, ADialogThatStaysOpenTakesTheNextAnswer)
{
    driver.ExpectDialog(kCaption).Type(kFirst, "abc").Type(kSecond, "abd").Click(IDOK);
    driver.ExpectMessageBox(kDifferMessage).Click(IDOK);
    driver.ExpectDialog(kCaption).ExpectText(kFirst, "abc").Type(kSecond, "abc").Click(IDOK);

    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(outcome.second, "abc");
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].Style(), UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(driver.Captions(), (std::vector<std::string>{kCaption, "Secret"}));
    EXPECT_TRUE(driver.AllAnswered());
}

TEST_F(DialogDriver, EnterPressesTheDefaultButton)
{
    driver.ExpectDialog(kCaption).Type(kFirst, "same").Type(kSecond, "same").PressEnter();
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(outcome.first, "same");
}

TEST_F(DialogDriver, EscapeTheCloseBoxAndCancelEndWithCancel)
{
    driver.ExpectDialog(kCaption).PressEscape();
    driver.ExpectDialog(kCaption).Close();
    driver.ExpectDialog(kCaption).Click(IDCANCEL);
    driver.ExpectDialog(kCaption).Command(IDCANCEL);

    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Run(SecretTemplate(false)), IDCANCEL);
    EXPECT_TRUE(driver.AllAnswered());
}

TEST_F(DialogDriver, AnUnexpectedDialogFailsAndIsCancelledEvenWithoutCancelButton)
{
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(result = Run(SecretTemplate(false)),
                            "Unexpected modal window: dialog \"Set Secret\"\n"
                            "  no answer left for this window");
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogDriver, ADialogLeftOpenByItsAnswerIsReportedAndClosed)
{
    driver.ExpectDialog(kCaption).Type(kFirst, "typed only");
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(result = Run(), "still open after answer #1");
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(driver.AllAnswered());
}

TEST_F(DialogDriver, ADialogThatRefusesCancelIsEndedByForce)
{
    outcome.ignoreCancel = true;
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(result = Run(), "Unexpected modal window");
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogDriver, AWrongCaptionOrKindIsReported)
{
    driver.ExpectDialog("Other Caption").Click(IDOK);
    EXPECT_NONFATAL_FAILURE(Run(), "expected dialog \"Other Caption\" then Click(1), but "
                                   "dialog \"Set Secret\" came");
}

TEST_F(DialogDriver, ALabelledDialogIsNotTakenForAMessageBox)
{
    driver.ExpectMessageBox().Click(IDOK);
    EXPECT_NONFATAL_FAILURE(Run(), "expected any message box then Click(1), but dialog");
}

TEST_F(DialogDriver, MissingControlsAreReported)
{
    driver.ExpectDialog(kCaption).Type(9999, "x").Command(IDCANCEL);
    EXPECT_NONFATAL_FAILURE(Run(), "dialog \"Set Secret\": no usable control 9999 to type into");
}
