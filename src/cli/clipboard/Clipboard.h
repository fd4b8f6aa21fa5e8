// CClipboard: the system clipboard, for clip. On Windows the clipboard API, the
// copy marked so that clipboard history, cloud clipboard and clipboard monitors
// leave it out. Elsewhere the clipboard tools of the desktop: wl-copy and
// wl-paste on Wayland, else xclip or xsel on X11.
#pragma once

#include <memory>
#include <string>

#include "framework/portable/CString.h"

class CClipboard {
public:
    virtual ~CClipboard() = default;
    // Puts the UTF-8 text on the clipboard. Throws CCliError (kExitIo) when it
    // cannot.
    virtual void Copy(const std::string& text) = 0;
    // TRUE while the clipboard still holds the text Copy put there.
    virtual BOOL StillHolds() = 0;
    // Empties the clipboard.
    virtual void Clear() = 0;
};

// The clipboard of this session. Throws CCliError (kExitIo) when there is none:
// natively no display, or none of the tools (the message names them).
std::unique_ptr<CClipboard> OpenSystemClipboard();
