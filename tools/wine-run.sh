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
# Wine draws caption buttons, menu arrows and check marks with its Marlett font.
# Debian's Wine 8 looks for its own fonts in /usr/share/fonts (its data folder's
# "../fonts") while fonts-wine puts them in /usr/share/wine/fonts; without a copy
# in the prefix the caption buttons show as the letters "0 1 r".
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
exec wine "$@"
