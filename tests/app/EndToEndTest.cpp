// The real Vaultry.exe, started as its own process and driven through window
// messages only; the files it writes are read back with the core.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "app/resource.h"
#include "framework/win32/AfxRes.h"
#include "support/ControlInput.h"
#include "support/MessageBoxInfo.h"
#include "support/ProgramDriver.h"
#include "support/WindowQueries.h"

namespace apptest {
namespace {

std::string g_exe;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(g_exe.empty()) << "give the path of Vaultry.exe as an argument"; }

    // Exit, answering No to a save question if one comes.
    void Exit(HWND frame)
    {
        harness::PostMenuCommand(frame, ID_APP_EXIT);
        EXPECT_TRUE(program_.WaitForExit(harness::ProgramDriver::kTimeoutMs));
    }

    TempFolder folder_;
    harness::ProgramDriver program_;
};

TEST_F(EndToEnd, FirstStartAnnouncesTheDefaultDatabaseAndSaveWritesIt)
{
    ASSERT_TRUE(program_.Start(g_exe, "", folder_.Path()));
    HWND box = program_.WaitForMessageBox(harness::ProgramDriver::kStartTimeoutMs);
    ASSERT_TRUE(box);
    harness::MessageBoxInfo info = harness::ReadMessageBox(box);
    EXPECT_EQ(info.caption, "Vaultry");
    EXPECT_EQ(info.text,
              "The default database vaultry.vty cannot be found.\nIf this is your first time using Vaultry, click "
              "Save\nwhen your done and leave the name vaultry.vty.");
    harness::PostClick(box, IDOK);
    HWND frame = program_.WaitForCaptionPrefix("Vaultry.vty - Vaultry");
    ASSERT_TRUE(frame);

    harness::PostMenuCommand(frame, ID_FILE_SAVE);
    HWND dlg = program_.WaitForDialog("Password Protection");
    ASSERT_TRUE(dlg);
    harness::SetControlText(dlg, IDC_PASSWORD, "first start");
    harness::SetControlText(dlg, IDC_CONFIRM, "first start");
    harness::PostClick(dlg, IDOK);
    ASSERT_TRUE(program_.WaitUntilClosed(dlg));
    Exit(frame);

    ReadBack back = ReadDatabaseFile(folder_.File("Vaultry.vty"), "first start");
    EXPECT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_EQ(back.header.wLocked, 1);
    EXPECT_EQ(back.entries.GetCount(), 0);
}

TEST_F(EndToEnd, OpensTheNamedLockedDatabaseAndSavesItAgain)
{
    std::string path = folder_.File("Named.vty");
    CEntryList entries = SampleEntries(300);
    WriteDatabaseFile(path, entries, "named");
    const std::string before = ReadBytes(path);
    ASSERT_TRUE(program_.Start(g_exe, "\"" + path + "\"", folder_.Path()));
    HWND dlg = program_.WaitForDialog("Password Protection", harness::ProgramDriver::kStartTimeoutMs);
    ASSERT_TRUE(dlg);
    harness::SetControlText(dlg, IDC_PASSWORD, "named");
    harness::PostClick(dlg, IDOK);
    HWND frame = program_.WaitForCaptionPrefix("Named.vty - Vaultry");
    ASSERT_TRUE(frame);

    harness::PostMenuCommand(frame, ID_FILE_SAVE);   // no question: the key is known
    Sleep(500);
    EXPECT_EQ(program_.Windows().size(), 1u) << program_.DescribeWindows();
    Exit(frame);

    EXPECT_FALSE(FileExists(folder_.File("Vaultry.vty")));
    ReadBack back = ReadDatabaseFile(path, "named");
    ASSERT_EQ(back.status, DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(back.entries, entries));
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"Named.vty"});
}

}  // namespace
}  // namespace apptest

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) apptest::g_exe = argv[1];
    return RUN_ALL_TESTS();
}
