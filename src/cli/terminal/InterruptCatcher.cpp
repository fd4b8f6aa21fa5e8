#include "cli/terminal/InterruptCatcher.h"

#include <atomic>

namespace {

std::atomic<int> g_nCaught{0};

}  // namespace

BOOL CInterruptCatcher::Caught() const { return g_nCaught.load() != 0; }

#ifdef _WIN32

#include <windows.h>

namespace {

BOOL WINAPI NoteBreak(DWORD)
{
    g_nCaught = 1;
    return TRUE;
}

}  // namespace

CInterruptCatcher::CInterruptCatcher()
{
    g_nCaught = 0;
    SetConsoleCtrlHandler(NoteBreak, TRUE);
}

CInterruptCatcher::~CInterruptCatcher() { SetConsoleCtrlHandler(NoteBreak, FALSE); }

BOOL CInterruptCatcher::Wait(DWORD dwMs) const
{
    for (DWORD dwWaited = 0; dwWaited < dwMs && !Caught(); dwWaited += 50) Sleep(50);
    return Caught();
}

void CInterruptCatcher::Resend() {}

#else

#include <csignal>
#include <ctime>

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_previous[3];

void NoteSignal(int nSignal) { g_nCaught = nSignal; }

}  // namespace

CInterruptCatcher::CInterruptCatcher()
{
    g_nCaught = 0;
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &g_previous[i]);
}

CInterruptCatcher::~CInterruptCatcher()
{
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
}

BOOL CInterruptCatcher::Wait(DWORD dwMs) const
{
    for (DWORD dwWaited = 0; dwWaited < dwMs && !Caught(); dwWaited += 50) {
        struct timespec step = {0, 50L * 1000 * 1000};
        nanosleep(&step, nullptr);
    }
    return Caught();
}

void CInterruptCatcher::Resend()
{
    const int nSignal = g_nCaught.load();
    if (!nSignal) return;
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
    (void)signal(nSignal, SIG_DFL);
    (void)raise(nSignal);
}

#endif
