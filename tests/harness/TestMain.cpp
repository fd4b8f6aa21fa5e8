// The main function of the Windows test programs (instead of gtest_main): under
// Wine their windows are made unmanaged first (UnmanagedWindows.h).
#include "harness/UnmanagedWindows.h"

#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv)
{
    const int restarted = harness::RestartUnmanagedIfNeeded();
    if (restarted >= 0) return restarted;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
