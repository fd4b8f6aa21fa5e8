// The framework's one window procedure and what goes with it: the window classes
// of framework windows, the hook that attaches an object to its window before the
// window's first message, the subclass procedure for controls and dialogs, and the
// boundary where exceptions from handlers are caught and reported. Internal to the
// framework.
#pragma once

#include "framework/win32/CWnd.h"

class CWndProcedure {
public:
    // Window classes of framework windows, registered on first use.
    static LPCSTR WndClass();          // plain windows
    static LPCSTR FrameOrViewClass();  // frames and views
    static BOOL IsFrameworkClass(HWND hWnd);

    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR uIdSubclass,
                                         DWORD_PTR dwRefData);
    // Runs pWnd's WindowProc for one message: remembers the message for Default,
    // catches exceptions, and ends the object's tie to the window after WM_NCDESTROY.
    static LRESULT CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    // Attaches pWnd to the next window this thread creates, before its first message.
    static HHOOK HookWindowCreate(CWnd* pWnd);
    static void UnhookWindowCreate(HHOOK hHook);

    // Ties a dialog's object to its window (the dialog exists already).
    static BOOL AttachDialog(CWnd* pWnd, HWND hWnd);

    static BOOL Subclass(CWnd* pWnd, HWND hWnd);
    static void Unsubclass(HWND hWnd);
    static CWnd* SubclassedObject(HWND hWnd);

    // The message being handled, for CWnd::Default.
    static const MSG& CurrentMessage();

private:
    static LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
};
