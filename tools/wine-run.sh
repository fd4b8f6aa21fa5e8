#!/bin/sh
# Runs a Windows binary under Wine in the build's private prefix. The display
# must already be set (tools/with-display.sh); the prefix is made on first use.
set -e
: "${WINEPREFIX:?WINEPREFIX must be set}"
: "${WINEDEBUG:=-all}"
export WINEPREFIX WINEDEBUG
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
fi
# A crash must fail the test that met it. Wine's own debugger (winedbg --auto)
# prints a backtrace, then ends the process with exit code 0, so a crash would
# pass as success; with a debugger that does not exist Wine ends the process at
# once with the exception's code.
if ! grep -q '"Debugger"="none' "$WINEPREFIX/system.reg" 2>/dev/null; then
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
        /d "none-crash-fails %ld %ld" /f >/dev/null 2>&1 || true
fi
# Wine draws caption buttons, menu arrows and check marks with its Marlett font.
# Debian's Wine 8 looks for its own fonts in /usr/share/fonts (its data folder's
# "../fonts") while fonts-wine puts them in /usr/share/wine/fonts; without a copy
# in the prefix the caption buttons show as the letters "0 1 r".
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
exec wine "$@"
