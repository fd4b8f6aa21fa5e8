// The program running inside a test process: one application object whose
// InitInstance ran once, in an empty temporary working folder, so its main frame,
// document and view exist for every test, as they do for a user.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TestFiles.h"
#include "database/document/VaultryDoc.h"
#include "frame/MainFrame.h"
#include "harness/ModalDriver.h"

namespace apptest {

// What start-up showed, recorded once.
struct StartUpRecord {
    BOOL bInitialized = FALSE;
    std::vector<harness::MessageBoxInfo> boxes;
    std::string title;
    std::string caption;
    std::string workingFolder;
};
const StartUpRecord& StartUp();

class ProgramFixture : public ::testing::Test {
protected:
    static CMainFrame* Frame();
    static CVaultryDoc* Doc();
    // A command as the menu sends it, through the frame's routing.
    static void Command(UINT nID);
    // Discards any change and starts a new, empty, untitled database.
    static void StartNew();
    static std::string Title();
    static std::string Caption();

    void SetUp() override;

    TempFolder folder_;
};

}  // namespace apptest
