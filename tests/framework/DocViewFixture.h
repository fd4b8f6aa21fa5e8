// A test application with one single-document template of the test classes, and a
// folder of its own for the files a test writes. Tear-down closes the frame (the
// document goes with it) and removes the folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "DocViewClasses.h"

class DocViewTest : public ::testing::Test {
protected:
    explicit DocViewTest(CRuntimeClass* pFrameClass = RUNTIME_CLASS(CTestFrame),
                         CRuntimeClass* pViewClass = RUNTIME_CLASS(CTestView));
    void SetUp() override;
    void TearDown() override;

    CTestDoc* Doc() const;
    CFrameWnd* Frame() const;
    CTestView* View() const;
    // A path in the test's folder.
    std::string PathOf(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;
    std::string Caption() const;

    CTestApp m_app;
    CSingleDocTemplate* m_pTemplate = nullptr;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    std::string m_folder;
};
