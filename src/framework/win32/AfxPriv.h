// Messages the framework sends between its own windows.
#pragma once

// wParam: string id of a prompt (0 when lParam is the text); lParam: text or 0.
#define WM_SETMESSAGESTRING 0x0362
// Sent at idle time to the main window and its framework descendants: update bars.
#define WM_IDLEUPDATECMDUI  0x0363
// Sent to the views of a frame when their document is ready.
#define WM_INITIALUPDATE    0x0364
// Restores the message pane after a prompt (wParam: string id, as WM_SETMESSAGESTRING).
#define WM_POPMESSAGESTRING 0x0375
