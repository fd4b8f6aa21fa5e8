#include "cli/clipboard/ClipboardHold.h"

#include "cli/clipboard/Clipboard.h"
#include "cli/terminal/InterruptCatcher.h"

void HoldOnClipboard(CCliContext& context, std::string& text, const CString& strWhat, int nTimeout)
{
    CInterruptCatcher interrupts;
    std::unique_ptr<CClipboard> clipboard;
    try {
        clipboard = OpenSystemClipboard();
        clipboard->Copy(text);
    } catch (...) {
        SecureZero(&text[0], text.size());
        throw;
    }
    SecureZero(&text[0], text.size());
    const BOOL bCountdown = context.terminal.StandardErrorIsTerminal() && !context.args.Has("--quiet");
    context.Note(strWhat + " is on the clipboard.");
    for (int nLeft = nTimeout; nLeft > 0 && !interrupts.Caught(); --nLeft) {
        if (bCountdown) {
            CString strLine;
            strLine.Format("\rClearing the clipboard in %d s (Ctrl+C clears it now)... ", nLeft);
            context.err << strLine.GetString() << std::flush;
        }
        interrupts.Wait(1000);
    }
    if (bCountdown) context.err << '\n';
    if (clipboard->StillHolds()) {
        clipboard->Clear();
        context.Note("Clipboard cleared.");
    } else {
        context.Note("The clipboard has changed meanwhile; it was left as it is.");
    }
    context.err.flush();
    interrupts.Resend();
}
