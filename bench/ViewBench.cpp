// The entries view at the file format's limit: opens a database of 65,535 entries
// into the running program (read, decipher, fill the list, paint), adds one entry
// and deletes one through the view's commands, and prints how long each took.
// Add and delete are timed from the moment Save or Yes is pressed until the list
// shows the change. Then File Save, of the file as read and of a file another
// program changed meanwhile (merged as at the session's end: no question), and
// the reload of a file another program saved. Runs under Wine (make bench-windows).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "common/TestFiles.h"
#include "app/VaultryApp.h"
#include "app/resource.h"
#include "database/core/SafeDatabaseWriter.h"
#include "database/document/VaultryDoc.h"
#include "harness/UnmanagedWindows.h"

namespace {

using Clock = std::chrono::steady_clock;

// Answers the one dialog or message box with this caption by pressing a button,
// from a thread timer that the modal loop runs; notes when it pressed it.
struct ModalAnswer {
    const char* caption;
    int button;
    Clock::time_point pressed;
    bool done;
};
ModalAnswer g_answer;

BOOL CALLBACK FindModal(HWND hWnd, LPARAM lParam)
{
    char className[32] = "";
    char caption[64] = "";
    GetClassNameA(hWnd, className, sizeof className);
    GetWindowTextA(hWnd, caption, sizeof caption);
    if (std::string(className) == "#32770" && IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) &&
        std::string(caption) == g_answer.caption) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerModal(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answer.done) return;
    HWND hModal = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&hModal));
    if (hModal == nullptr) return;
    g_answer.done = true;
    g_answer.pressed = Clock::now();
    PostMessageA(GetDlgItem(hModal, g_answer.button), BM_CLICK, 0, 0);
}

// Paints what is waiting to be painted in the frame and its children.
void PaintNow(CFrameWnd* pFrame) { RedrawWindow(pFrame->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Runs a command of the main frame that opens one modal window, answers it, and
// returns the seconds from the answer until the frame is painted again.
double TimeAnsweredCommand(CFrameWnd* pFrame, UINT nCommand, const char* caption, int button)
{
    g_answer = {caption, button, Clock::time_point(), false};
    UINT_PTR timer = SetTimer(nullptr, 0, 10, AnswerModal);
    pFrame->SendMessage(WM_COMMAND, nCommand, 0);
    PaintNow(pFrame);
    const Clock::time_point end = Clock::now();
    KillTimer(nullptr, timer);
    if (!g_answer.done) return -1;
    return std::chrono::duration<double>(end - g_answer.pressed).count();
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

CVaultryApp g_app;

}  // namespace

int main()
{
    // Closing a dialog would otherwise wait for a window manager (see UnmanagedWindows.h).
    const int restarted = harness::RestartUnmanagedIfNeeded();
    if (restarted >= 0) return restarted;

    TempFolder folder;
    SetCurrentDirectoryA(folder.Path().c_str());
    WriteDatabaseFile(folder.Path("Vaultry.vty"), CEntryList());
    const std::string large = folder.Path("Large.vty");
    WriteDatabaseFile(large, SampleEntries(kMaxEntries));

    static char commandLine[] = "";
    AfxWinInit(GetModuleHandle(nullptr), nullptr, commandLine, SW_SHOW);
    if (!g_app.InitInstance()) {
        std::printf("the program did not start\n");
        return 1;
    }
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(pFrame->GetActiveDocument());
    HWND hList = pFrame->GetActiveView()->m_hWnd;

    Clock::time_point start = Clock::now();
    const bool bOpened = g_app.OpenDocumentFile(large.c_str()) != nullptr;
    PaintNow(pFrame);
    const double open = Seconds(start);
    const int nRows = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));

    const double add = TimeAnsweredCommand(pFrame, ID_ENTRY_ADD, "Entry Properties", IDOK);
    const int nRowsAdded = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    // The added entry is the selected row: delete it again.
    const double del = TimeAnsweredCommand(pFrame, ID_ENTRY_DELETE, "Vaultry", IDYES);
    const int nRowsDeleted = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));

    // File Save of the file as it was read; then of a file in which another program
    // changed the first entry while the window changed the last; then the reload of
    // a file another program changed while the window had nothing unsaved.
    start = Clock::now();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
    const double save = Seconds(start);
    CEntryList theirs = pDoc->m_EntryList;
    theirs.SetAt(0, CEntry("site 0", "changed there", "", ""));
    SaveDatabaseFile(large.c_str(), theirs, 0, kBuiltInKey);
    pDoc->m_EntryList.SetAt(kMaxEntries - 1, CEntry("changed here", "", "", ""));
    pDoc->SetModifiedFlag(TRUE);
    pDoc->m_bEndingSession = TRUE;
    start = Clock::now();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
    PaintNow(pFrame);
    const double merge = Seconds(start);
    pDoc->m_bEndingSession = FALSE;
    const bool bMerged = !pDoc->IsModified() && pDoc->m_EntryList.GetAt(0).m_strUsername == "changed there";
    theirs = pDoc->m_EntryList;
    theirs.SetAt(1, CEntry("site 1", "changed there again", "", ""));
    SaveDatabaseFile(large.c_str(), theirs, 0, kBuiltInKey);
    pDoc->LookForOutsideChange();  // sees the change; the next look reads it
    start = Clock::now();
    pDoc->LookForOutsideChange();
    PaintNow(pFrame);
    const double reload = Seconds(start);
    const bool bReloaded = pDoc->m_EntryList.GetAt(1).m_strUsername == "changed there again";

    std::printf("Entries view with %d entries (Wine)\n", kMaxEntries);
    std::printf("  open the database, fill and paint the list  %7.3f s   (target under 1 s)   rows: %d\n", open, nRows);
    std::printf("  add one entry, from Save to painted list    %7.3f s   (target under 0.25 s) rows: %d\n", add,
                nRowsAdded);
    std::printf("  delete one entry, from Yes to painted list  %7.3f s   (target under 0.25 s) rows: %d\n", del,
                nRowsDeleted);
    std::printf("  save, the file as read                      %7.3f s\n", save);
    std::printf("  save, merged with another program's change  %7.3f s   merged: %s\n", merge, bMerged ? "yes" : "NO");
    std::printf("  reload of another program's save, painted   %7.3f s   reloaded: %s\n", reload,
                bReloaded ? "yes" : "NO");

    const bool bOk = bOpened && nRows == kMaxEntries && add >= 0 && nRowsAdded == kMaxEntries + 1 && del >= 0 &&
                     nRowsDeleted == kMaxEntries && bMerged && bReloaded;
    pDoc->SetModifiedFlag(FALSE);
    pFrame->DestroyWindow();
    g_app.ExitInstance();
    SetCurrentDirectoryA("\\");
    if (!bOk) std::printf("the benchmark did not run as planned\n");
    return bOk ? 0 : 1;
}
