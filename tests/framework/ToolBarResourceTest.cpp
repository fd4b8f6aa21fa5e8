// The two layouts of a toolbar resource: the resource compiler's words with a
// version, and windres's double words without one; bytes of neither are refused.
#include <gtest/gtest.h>

#include "framework/win32/Afx.h"

TEST(ToolBarResource, ReadsBothLayoutsAndRefusesOthers)
{
    const WORD rcLayout[] = {1, 16, 15, 3, 100, 0, 101};
    const DWORD windresLayout[] = {20, 18, 2, 0xE100, 0};
    const WORD truncated[] = {1, 16, 15, 5, 100};
    const struct {
        const void* data;
        size_t size;
        bool ok;
        ToolBarResource expected;
    } cases[] = {
        {rcLayout, sizeof rcLayout, true, {16, 15, {100, 0, 101}}},
        {windresLayout, sizeof windresLayout, true, {20, 18, {0xE100, 0}}},
        {truncated, sizeof truncated, false, {}},
        {truncated, 3, false, {}},
    };
    for (const auto& c : cases) {
        ToolBarResource resource;
        ASSERT_EQ(ParseToolBarResource(c.data, static_cast<DWORD>(c.size), resource) != FALSE, c.ok) << c.size;
        if (!c.ok) continue;
        EXPECT_EQ(resource.nWidth, c.expected.nWidth);
        EXPECT_EQ(resource.nHeight, c.expected.nHeight);
        EXPECT_EQ(resource.ids, c.expected.ids);
    }
}
