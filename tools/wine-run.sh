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
exec wine "$@"
