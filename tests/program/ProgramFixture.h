// The program in the test process: InitInstance ran once in an empty working folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/TestFiles.h"
#include "database/document/VaultryDoc.h"
#include "frame/MainFrame.h"
#include "harness/ModalDriver.h"
#include "views/VaultryView.h"

namespace apptest {

class ProgramFixture : public ::testing::Test {
protected:
    static CMainFrame* Frame();
    static CVaultryDoc* Doc();
    static CVaultryView* View();
    // A command as the menu sends it, through the frame's routing.
    static void Command(UINT nID);
    // Discards any change and starts a new, empty, untitled database.
    static void StartNew();
    // A new database of n sample entries, shown in the view.
    static void Load(int n);
    // Opens a file as File Open does once its dialog is answered.
    static bool Open(const std::string& path);
    static std::string Title();

    void SetUp() override;

    TempFolder folder_;
};

}  // namespace apptest
