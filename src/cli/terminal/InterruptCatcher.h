// CInterruptCatcher: while it lives, Ctrl+C (SIGINT, SIGTERM, SIGHUP; the
// console's Ctrl+C and Ctrl+Break on Windows) does not end the process but is
// noted, so that a command can finish what must not be left undone.
#pragma once

#include "framework/portable/Types.h"

class CInterruptCatcher {
public:
    CInterruptCatcher();
    ~CInterruptCatcher();
    CInterruptCatcher(const CInterruptCatcher&) = delete;
    CInterruptCatcher& operator=(const CInterruptCatcher&) = delete;

    BOOL Caught() const;
    // Waits up to dwMs, returning early (TRUE) when an interrupt comes.
    BOOL Wait(DWORD dwMs) const;
    // Lets an interrupt that was caught end the process as it would have, so that
    // a calling shell sees it (POSIX); the handlers are gone afterwards.
    void Resend();
};
