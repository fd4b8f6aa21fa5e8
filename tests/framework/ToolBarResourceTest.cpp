// The two layouts of a toolbar resource: the resource compiler's words with a
// version, and windres's double words without one.
#include <gtest/gtest.h>

#include "TestResources.h"
#include "framework/win32/Afx.h"

TEST(ToolBarResource, ReadsBothLayouts)
{
    const WORD rcLayout[] = {1, 16, 15, 3, 100, 0, 101};
    ToolBarResource resource;
    ASSERT_TRUE(ParseToolBarResource(rcLayout, sizeof(rcLayout), resource));
    EXPECT_EQ(resource.nWidth, 16);
    EXPECT_EQ(resource.nHeight, 15);
    EXPECT_EQ(resource.ids, (std::vector<UINT>{100, 0, 101}));

    const DWORD windresLayout[] = {20, 18, 2, 0xE100, 0};
    ASSERT_TRUE(ParseToolBarResource(windresLayout, sizeof(windresLayout), resource));
    EXPECT_EQ(resource.nWidth, 20);
    EXPECT_EQ(resource.nHeight, 18);
    EXPECT_EQ(resource.ids, (std::vector<UINT>{0xE100, 0}));
}

TEST(ToolBarResource, RefusesBytesOfNeitherLayout)
{
    const WORD truncated[] = {1, 16, 15, 5, 100};
    ToolBarResource resource;
    EXPECT_FALSE(ParseToolBarResource(truncated, sizeof(truncated), resource));
    EXPECT_FALSE(ParseToolBarResource(truncated, 3, resource));
}

TEST(ToolBarResource, TheTestProgramsOwnResourceIsFound)
{
    ToolBarResource resource;
    ASSERT_TRUE(LoadToolBarResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TESTFRAME), resource));
    EXPECT_EQ(resource.ids, (std::vector<UINT>{ID_FILE_NEW, 0, ID_TEST_VIEWCMD, ID_TEST_FRAMECMD}));
}
