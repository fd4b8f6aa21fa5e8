#!/bin/sh
# Makes the Wine prefix WINEPREFIX ready for Vaultry's tests and `make run`,
# completely and once, before any program runs in it: Wine's first start
# (wineboot -i), the registry setting below and Wine's Marlett font. Wine keeps
# the registry in its server and writes it to system.reg and user.reg only when
# the server ends, so this waits for that (wineserver -w) and checks the file
# before it marks the prefix ready; a later call finds the mark and returns at
# once. Run it with the display the prefix will be used with (as
# tools/with-display.sh does), and before any persistent server for the prefix
# (wineserver -p): waiting for such a server never ends.
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
# The mark holds this script's checksum: a prefix made by another version of it
# is set up again.
mark="$WINEPREFIX/.vaultry-ready"
version="$(cksum <"$0")"
[ "$(cat "$mark" 2>/dev/null)" != "$version" ] || exit 0

# One set-up at a time, should two programs start in a new prefix at once.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ "$(cat "$mark" 2>/dev/null)" != "$version" ] || exit 0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
fail() {
    echo "wine-prefix: $* ($WINEPREFIX). Wine said:" >&2
    sed 's/^/  /' "$log" >&2
    exit 1
}

wineboot -i >>"$log" 2>&1 || fail "wineboot -i failed"
# A crash must fail the test that met it. Wine's own debugger (winedbg --auto)
# prints a backtrace, then ends the process with exit code 0, so a crash would
# pass as success; with a debugger that does not exist Wine ends the process at
# once with the exception's code.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
    /d "none-crash-fails %ld %ld" /f >>"$log" 2>&1 || fail "the crash setting could not be made"
# Wine draws caption buttons, menu arrows and check marks with its Marlett font.
# Debian's Wine 8 looks for its own fonts in /usr/share/fonts (its data folder's
# "../fonts") while fonts-wine puts them in /usr/share/wine/fonts; without a copy
# in the prefix the caption buttons show as the letters "0 1 r".
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -d "$fonts" ] || fail "wineboot made no $fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
wineserver -w
grep -q '"Debugger"="none-crash-fails' "$WINEPREFIX/system.reg" 2>/dev/null ||
    fail "system.reg lacks the crash setting after Wine's server ended"
echo "$version" >"$mark"
