// A test application with one single-document template of the test classes, its
// document, frame and view made by File New. Tear-down closes the frame (the
// document goes with it).
#pragma once

#include <gtest/gtest.h>

#include "DocViewClasses.h"

class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTestFrame* Frame() const { return static_cast<CTestFrame*>(m_app.m_pMainWnd); }
    CDocument* Doc() const { return Frame() ? Frame()->GetActiveDocument() : nullptr; }

    CTestApp m_app;
};
