// The real Vaultry.exe as its own process, driven through window messages only.
#include <gtest/gtest.h>

#include "common/TestFiles.h"
#include "app/resource.h"
#include "framework/win32/AfxRes.h"
#include "harness/ControlInput.h"
#include "harness/ListViewReader.h"
#include "harness/MessageBoxInfo.h"
#include "harness/ProgramDriver.h"
#include "harness/WindowQueries.h"

namespace apptest {
namespace {

std::string g_exe;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(g_exe.empty()) << "give the path of Vaultry.exe as an argument"; }

    void Answer(const char* caption, const std::vector<std::pair<int, std::string>>& texts,
                DWORD dwTimeout = harness::ProgramDriver::kTimeoutMs)
    {
        HWND dlg = program_.WaitForDialog(caption, dwTimeout);
        ASSERT_TRUE(dlg);
        for (const auto& text : texts) harness::SetControlText(dlg, text.first, text.second);
        harness::PostClick(dlg, IDOK);
        ASSERT_TRUE(program_.WaitUntilClosed(dlg));
    }
    void AnswerBox(const std::string& text, int nButton, DWORD dwTimeout = harness::ProgramDriver::kTimeoutMs)
    {
        HWND box = program_.WaitForMessageBox(dwTimeout);
        ASSERT_TRUE(box);
        EXPECT_EQ(harness::ReadMessageBox(box).text, text);
        harness::PostClick(box, nButton);
    }

    TempFolder folder_;
    harness::ProgramDriver program_;
};

TEST_F(EndToEnd, FirstStartAnnouncesTheDefaultDatabaseAndSaveWritesIt)
{
    ASSERT_TRUE(program_.Start(g_exe, "", folder_.Path()));
    AnswerBox("The default database vaultry.vty cannot be found.\nIf this is your first time using Vaultry, click "
              "Save\nwhen your done and leave the name vaultry.vty.",
              IDOK, harness::ProgramDriver::kStartTimeoutMs);
    HWND frame = program_.WaitForCaptionPrefix("Vaultry.vty - Vaultry");
    ASSERT_TRUE(frame);

    harness::PostMenuCommand(frame, ID_FILE_SAVE);
    Answer("Password Protection", {{IDC_PASSWORD, "first start"}, {IDC_CONFIRM, "first start"}});
    harness::PostMenuCommand(frame, ID_APP_EXIT);  // nothing left to save
    EXPECT_TRUE(program_.WaitForExit(harness::ProgramDriver::kTimeoutMs));

    ReadBack back = ReadDatabaseFile(folder_.Path("Vaultry.vty"), "first start");
    EXPECT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.wLocked, 1);
    EXPECT_EQ(back.list.GetCount(), 0);
}

// /p opens the file unseen and ends; /Unregister removes the file type and settings.
TEST_F(EndToEnd, ShellCommandsEndTheProgram)
{
    std::string path = folder_.Path("Print.vty");
    WriteDatabaseFile(path, SampleEntries(1));
    for (const std::string& arguments : {"/p \"" + path + "\"", std::string("/Unregister")}) {
        harness::ProgramDriver program;
        ASSERT_TRUE(program.Start(g_exe, arguments, folder_.Path()));
        EXPECT_TRUE(program.WaitForExit(harness::ProgramDriver::kStartTimeoutMs)) << arguments;
    }
    for (const char* key :
         {"Software\\Classes\\.vty", "Software\\Classes\\Vaultry.Document", "Software\\Quorlan Software\\Vaultry"}) {
        HKEY handle = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle), ERROR_SUCCESS) << key;
        if (handle) RegCloseKey(handle);
    }
}

// A named locked database unlocked, shown, added to, deleted from, saved on Exit.
TEST_F(EndToEnd, OpensANamedLockedDatabaseChangesItAndSavesItOnExit)
{
    std::string path = folder_.Path("Rows.vty");
    CEntryList entries = SampleEntries(300);
    WriteDatabaseFile(path, entries, "named");
    ASSERT_TRUE(program_.Start(g_exe, "\"" + path + "\"", folder_.Path()));
    Answer("Password Protection", {{IDC_PASSWORD, "named"}}, harness::ProgramDriver::kStartTimeoutMs);
    HWND frame = program_.WaitForCaptionPrefix("Rows.vty - Vaultry");
    ASSERT_TRUE(frame);
    // The status bar's text as screen readers read it, in both character sets.
    HWND bar = harness::FindDescendant(frame, STATUSCLASSNAMEA);
    EXPECT_EQ(harness::WindowText(bar), "Ready");
    WCHAR wide[8] = L"";
    DWORD_PTR nWide = 0;
    SendMessageTimeoutW(bar, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(wide), SMTO_NORMAL, 5000, &nWide);
    EXPECT_EQ(std::wstring(wide, nWide), L"Ready");
    HWND list = harness::FindDescendant(frame, WC_LISTVIEWA);
    EXPECT_EQ(harness::ListViewColumns(list), (std::vector<std::string>{"For", "Username", "Password", "Notes"}));
    std::vector<std::vector<std::string>> rows = harness::ListViewRows(list);
    ASSERT_EQ(rows.size(), 300u);
    EXPECT_EQ(rows[299], (std::vector<std::string>{"site 299", "user 299", "pass 299", "note 299, with a comma"}));

    harness::PostMenuCommand(frame, ID_ENTRY_ADD);
    Answer("Entry Properties", {{IDC_FOR, "bank"}});
    ASSERT_EQ(harness::ListViewItemCount(list), 301);
    EXPECT_EQ(harness::ListViewItemText(list, 300, 0), "bank");

    // Home selects the first row; one press of Delete asks once.
    PostMessageA(list, WM_KEYDOWN, VK_HOME, 0x01470001);
    PostMessageA(list, WM_KEYUP, VK_HOME, 0xC1470001);
    harness::PressKey(frame, VK_DELETE);
    AnswerBox("Delete Entry?\n\nsite 0", IDYES);
    Sleep(300);
    EXPECT_EQ(program_.Windows().size(), 1u) << program_.DescribeWindows();
    EXPECT_EQ(harness::ListViewItemCount(list), 300);

    // Exit offers the changes for saving; Yes saves them, asking no password.
    harness::PostMenuCommand(frame, ID_APP_EXIT);
    AnswerBox("Save changes to Rows.vty?", IDYES);
    EXPECT_TRUE(program_.WaitForExit(harness::ProgramDriver::kTimeoutMs));
    CEntryList expected;
    for (int i = 1; i < 300; ++i) expected.Add(entries.GetAt(i));
    expected.Add(CEntry("bank", "", "", ""));
    ReadBack back = ReadDatabaseFile(path, "named");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(back.list, expected));
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"Rows.vty"});
}

}  // namespace
}  // namespace apptest

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) apptest::g_exe = argv[1];
    return RUN_ALL_TESTS();
}
