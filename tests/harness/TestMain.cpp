// The main function of the Windows test programs (instead of gtest_main). Under
// Wine it makes the program's windows unmanaged, so that closing one does not wait
// 2 s for a window manager (UnmanagedWindows.h). The setting is read before main,
// so the first run in a new Wine prefix sets it and runs the program once more.
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
