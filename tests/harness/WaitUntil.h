// Waiting for something another process (or this thread's own windows) will do,
// with a limit, so a broken program fails a test instead of hanging it.
#pragma once

#include <windows.h>

#include <functional>

namespace harness {

// Checks the condition every pollMs until it holds or timeoutMs have passed,
// dispatching this thread's messages in between so that its own windows stay
// responsive. True when the condition held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);

}  // namespace harness
