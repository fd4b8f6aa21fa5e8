// The end-to-end driver against the helper program, started as its own process.
#include "HelperIds.h"

#include "harness/ControlInput.h"
#include "harness/ListViewReader.h"
#include "harness/MessageBoxInfo.h"
#include "harness/ProgramDriver.h"
#include "harness/ToolbarButtons.h"
#include "harness/WaitUntil.h"
#include "harness/WindowQueries.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace harness;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A fresh, empty folder in the temporary folder, removed with its files afterwards.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        char base[MAX_PATH] = "";
        GetTempPathA(sizeof base, base);
        path_ = std::string(base) + "harness-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount64());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TemporaryFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((path_ + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ProgramDriverTest : public ::testing::Test {
protected:
    void StartHelper(const std::string& arguments)
    {
        ASSERT_TRUE(program.Start(HELPER_EXE, arguments, folder.Path()));
        frame = program.WaitForWindowOfClass(kHelperClass);
        ASSERT_TRUE(frame);
        list = GetDlgItem(frame, kHelperList);
    }
    bool WaitForRows(int count)
    {
        return WaitUntil([&] { return ListViewItemCount(list) == count; }, ProgramDriver::kTimeoutMs);
    }

    TemporaryFolder folder;
    ProgramDriver program;
    HWND frame = nullptr;
    HWND list = nullptr;
};

}  // namespace

TEST_F(ProgramDriverTest, ReadsTheWindowsListViewAndToolbarOfAnotherProcess)
{
    StartHelper("first \"second arg\"");
    EXPECT_EQ(WindowText(frame), std::string(kHelperCaptionPrefix) + "first \"second arg\"");
    EXPECT_EQ(program.WaitForCaptionPrefix(kHelperCaptionPrefix), frame);
    EXPECT_EQ(lstrcmpiA(ControlText(frame, kHelperDirectory).c_str(), folder.Path().c_str()), 0)
        << ControlText(frame, kHelperDirectory);

    EXPECT_EQ(ListViewColumns(list), (std::vector<std::string>{"Name", "Value"}));
    EXPECT_EQ(ListViewRows(list), (Rows{{"alpha", "1"}, {"beta", "2"}, {"gamma", "3"}}));
    EXPECT_EQ(ListViewItemText(list, 1, 1), "2");
    EXPECT_EQ(ListViewItemState(list, 0), 0u);

    HWND toolbar = FindDescendant(frame, TOOLBARCLASSNAMEA);
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(ToolbarButtonCount(toolbar), 3);
    ToolbarButtonState open = ReadToolbarButton(toolbar, kToolEnabled);
    ToolbarButtonState save = ReadToolbarButton(toolbar, kToolDisabled);
    ToolbarButtonState lock = ReadToolbarButton(toolbar, kToolChecked);
    EXPECT_TRUE(open.exists && open.enabled && !open.checked);
    EXPECT_TRUE(save.exists && !save.enabled);
    EXPECT_TRUE(lock.exists && lock.enabled && lock.checked);
    EXPECT_FALSE(ReadToolbarButton(toolbar, 999).exists);

    PostClose(frame);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(ProgramDriver::kTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 3u);
}

TEST_F(ProgramDriverTest, TypesClicksAndAnswersMessageBoxesDialogsAndTheFileDialog)
{
    StartHelper("");

    // Typing honours the edit's limit across processes; WM_SETTEXT does not.
    ASSERT_TRUE(TypeIntoControl(frame, kHelperEdit, "abcdefghijkl"));
    EXPECT_EQ(ControlText(frame, kHelperEdit), "abcdefghij");
    ASSERT_TRUE(SetControlText(frame, kHelperEdit, "set directly!"));
    EXPECT_EQ(ControlText(frame, kHelperEdit), "set directly!");
    ASSERT_TRUE(PostClick(frame, kHelperAdd));
    ASSERT_TRUE(WaitForRows(4));
    EXPECT_EQ(ListViewItemText(list, 3), "set directly!");

    PostMenuCommand(frame, kAskCommand);
    HWND box = program.WaitForMessageBox();
    ASSERT_TRUE(box);
    MessageBoxInfo seen = ReadMessageBox(box);
    EXPECT_EQ(seen.caption, "Helper");
    EXPECT_EQ(seen.text, "Add a row?");
    EXPECT_EQ(seen.type, UINT(MB_YESNO));
    EXPECT_EQ(seen.icon, MessageBoxInfo::kIconUnknown);  // icons cannot be told apart from here
    EXPECT_FALSE(IsWindowEnabled(frame));
    ASSERT_TRUE(PostClick(box, IDYES));
    ASSERT_TRUE(program.WaitUntilClosed(box));
    ASSERT_TRUE(WaitForRows(5));
    EXPECT_EQ(ListViewRows(list)[4], (std::vector<std::string>{"yes", "asked"}));

    PostMenuCommand(frame, kNameCommand);
    HWND dialog = program.WaitForDialog("Name");
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsMessageBox(dialog));
    ASSERT_TRUE(TypeIntoControl(dialog, kNameEdit, "abcdefghij"));
    EXPECT_EQ(ControlText(dialog, kNameEdit), "abcdefgh");
    ASSERT_TRUE(SetCheck(dialog, kNameCheck, true));
    PressKey(dialog, VK_RETURN);
    ASSERT_TRUE(program.WaitUntilClosed(dialog));
    ASSERT_TRUE(WaitForRows(6));
    EXPECT_EQ(ListViewRows(list)[5], (std::vector<std::string>{"abcdefgh", "checked"}));

    const std::string file = folder.Path() + "\\rows.txt";
    PostMenuCommand(frame, kSaveCommand);
    ASSERT_TRUE(program.AnswerFileDialog("Save Rows", file));
    ASSERT_TRUE(WaitForRows(7));
    EXPECT_EQ(ReadFile(file), "alpha\r\nbeta\r\ngamma\r\nset directly!\r\nyes\r\nabcdefgh\r\n");

    PostClose(frame);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(ProgramDriver::kTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 7u);
}

TEST_F(ProgramDriverTest, AProgramThatHangsFailsInsteadOfBlocking)
{
    StartHelper(kRefuseCloseOption);
    EXPECT_NONFATAL_FAILURE(program.WaitForDialog("Never Shown", 200),
                            "Waited 200 ms for dialog \"Never Shown\" in vain. The program's "
                            "windows:\n  HarnessHelperFrame \"Helper - --refuse-close\"");
    PostClose(frame);
    ::testing::AssertionResult ended = program.WaitForExit(500);
    EXPECT_FALSE(ended);
    EXPECT_NE(std::string(ended.message()).find("killed"), std::string::npos);
    EXPECT_FALSE(program.Process().Running());
}
