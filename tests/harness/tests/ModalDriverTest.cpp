// The modal driver's own failures: a product test passes wrongly if a window it did
// not expect, a text it did not ask for or an answer never used goes unreported.
#include "harness/ModalDriver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(ModalDriver, AnswersBoxesInTurnAndReadsWhatTheyShow)
{
    harness::ModalDriver driver;
    driver.ExpectMessageBox("Save changes?").Click(IDNO);
    driver.ExpectMessageBox().PressEscape();
    EXPECT_EQ(MessageBoxA(nullptr, "Save changes?", "Vaultry", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Line one\nline two", "Other", MB_OKCANCEL | MB_ICONSTOP), IDCANCEL);
    EXPECT_TRUE(driver.AllAnswered());
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(harness::Describe(driver.MessageBoxes()[1]),
              "message box \"Other\": \"Line one\nline two\" (style 0x11)");
}

TEST(ModalDriver, WindowsAndAnswersThatDoNotFitFailTheTest)
{
    const struct {
        const char* expected;  // nullptr: no answer queued
        int button;
        const char* failure;
        int result;
    } cases[] = {
        {nullptr, IDOK, "Unexpected modal window: message box \"Vaultry\": \"Overwrite?\" (style 0x24)", IDNO},
        {"Other text", IDYES, "expected message box \"Other text\"", IDNO},
        {"Overwrite?", IDOK, "Click(1) could not be done", IDNO},
    };
    for (const auto& c : cases) {
        harness::ModalDriver driver;
        if (c.expected) driver.ExpectMessageBox(c.expected).Click(c.button);
        int result = 0;
        EXPECT_NONFATAL_FAILURE(result = MessageBoxA(nullptr, "Overwrite?", "Vaultry", MB_YESNO | MB_ICONQUESTION),
                                c.failure);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(static_cast<bool>(driver.AllAnswered()), c.expected == nullptr || c.button == IDOK);
    }
}
