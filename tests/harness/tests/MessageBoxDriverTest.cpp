// The modal driver against the system's own message boxes.
#include "harness/ModalDriver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using harness::MessageBoxInfo;
using harness::ModalDriver;

TEST(MessageBoxDriver, AnswersEachBoxInTurnAndRecordsItsTexts)
{
    ModalDriver driver;
    driver.ExpectMessageBox("Save changes?").Click(IDNO);
    driver.ExpectMessageBox().Click(IDYES);

    EXPECT_EQ(MessageBoxA(nullptr, "Save changes?", "Vaultry", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Really?", "Vaultry", MB_YESNOCANCEL), IDYES);

    EXPECT_EQ(driver.MessageBoxTexts(), (std::vector<std::string>{"Save changes?", "Really?"}));
    EXPECT_EQ(driver.Captions(), (std::vector<std::string>{"Vaultry", "Vaultry"}));
    EXPECT_TRUE(driver.AllAnswered());
}

TEST(MessageBoxDriver, RebuildsTheStyleFromTheButtonsAndTheIcon)
{
    const UINT styles[] = {
        MB_OK | MB_ICONSTOP,         MB_OK | MB_ICONINFORMATION, MB_YESNO | MB_ICONQUESTION,
        MB_OKCANCEL | MB_ICONEXCLAMATION, MB_YESNOCANCEL,        MB_RETRYCANCEL,
        MB_ABORTRETRYIGNORE,         MB_OK,
    };
    for (UINT style : styles) {
        SCOPED_TRACE(harness::DescribeStyle(style));
        ModalDriver driver;
        MessageBoxInfo seen;
        driver.ExpectMessageBox()
            .Call([&](HWND box) { seen = harness::ReadMessageBox(box); })
            .Command(IDCANCEL);
        MessageBoxA(nullptr, "Line one\nline two", "Caption", style);

        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0], seen);
        EXPECT_EQ(seen.caption, "Caption");
        EXPECT_EQ(seen.text, "Line one\nline two");
        EXPECT_EQ(seen.Style(), style);
    }
}

TEST(MessageBoxDriver, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    ModalDriver driver;
    driver.ExpectMessageBox().PressEnter();
    driver.ExpectMessageBox().PressEscape();

    EXPECT_EQ(MessageBoxA(nullptr, "Enter", "Keys", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Escape", "Keys", MB_OKCANCEL), IDCANCEL);
    EXPECT_TRUE(driver.AllAnswered());
}

TEST(MessageBoxDriver, ClickingAMissingButtonFailsAndTheBoxIsStillClosed)
{
    ModalDriver driver;
    driver.ExpectMessageBox().Click(IDYES);
    EXPECT_NONFATAL_FAILURE(MessageBoxA(nullptr, "Only OK", "Vaultry", MB_OK),
                            "no shown, enabled button 6");
}

TEST(MessageBoxDriver, AnUnexpectedBoxFailsTheTestAndGetsItsLeastCommittingButton)
{
    int result = 0;
    ModalDriver driver;
    EXPECT_NONFATAL_FAILURE(
        result = MessageBoxA(nullptr, "Overwrite?", "Vaultry", MB_YESNO | MB_ICONQUESTION),
        "Unexpected modal window: message box \"Vaultry\": \"Overwrite?\" "
        "(MB_YESNO | MB_ICONQUESTION)");
    EXPECT_EQ(result, IDNO);
    EXPECT_EQ(driver.MessageBoxTexts(), std::vector<std::string>{"Overwrite?"});
}

TEST(MessageBoxDriver, ABoxWithOtherTextDoesNotUseTheAnswer)
{
    ModalDriver driver;
    driver.ExpectMessageBox("Expected text").Click(IDOK);
    EXPECT_NONFATAL_FAILURE(MessageBoxA(nullptr, "Other text", "Vaultry", MB_OK),
                            "expected message box \"Expected text\"");
    ::testing::AssertionResult answered = driver.AllAnswered();
    EXPECT_FALSE(answered);
    EXPECT_NE(std::string(answered.message()).find("#1 message box \"Expected text\" then Click(1)"),
              std::string::npos)
        << answered.message();
}
