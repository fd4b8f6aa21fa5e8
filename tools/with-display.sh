#!/bin/sh
# Runs a command with an X display and the Wine prefix WINEPREFIX ready for it.
#
#   tools/with-display.sh [--own-prefix] COMMAND [ARG...]
#
# The display is the caller's own when it has one (and CI is not set), else a
# private Xvfb started here. The prefix is set up completely first
# (tools/wine-prefix.sh), then one Wine server is kept running for the whole
# command (wineserver -p) with one desktop (below): with a server that ends with
# its last program, as Debian's does, every Windows program of a test run
# started a server of its own, and one that started while the last one's server
# was still ending could fail at once, printing nothing. With --own-prefix the command makes and ends
# its prefix and servers itself (tests/dist/test-install.sh). At the end, also
# when interrupted, Wine's server and the Xvfb are stopped: nothing outlives the
# command, and a persistent server outlives even a deleted prefix.
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG:--all}"
tools="$(cd "$(dirname "$0")" && pwd)"
own=""
[ "${1:-}" != --own-prefix ] || { own=yes; shift; }
xvfb=""
stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap 'stop; exit 130' INT
trap 'stop; exit 143' TERM
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
    # Xvfb takes the first free display number itself and writes it out once it
    # listens: two runs at once never share one.
    number="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb=$!
    i=0
    while [ ! -s "$number" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    n="$(cat "$number")"
    rm -f "$number"
    [ -n "$n" ] || { echo "with-display: Xvfb did not start" >&2; stop; exit 1; }
    export DISPLAY=":$n"
fi
# A wineserver left from a run without this display would refuse every window.
wineserver -k >/dev/null 2>&1 || true
status=0
if [ -z "$own" ]; then
    "$tools/wine-prefix.sh" || status=$?
    if [ $status -eq 0 ] && ! wineserver -p; then
        echo "with-display: Wine's server for $WINEPREFIX did not start (is another one running?)" >&2
        status=1
    fi
    # Wine's desktop process (explorer.exe, which also bridges the clipboard to
    # X) starts with the first program that needs it and ends a second after its
    # last user: a test that started it anew could copy to a clipboard whose
    # manager was still coming up, and lose the copy. A program that waits for
    # input (on a FIFO that nothing writes to) holds it for the whole command.
    if [ $status -eq 0 ]; then
        fifo="$(mktemp -u)"
        mkfifo "$fifo"
        exec 7<>"$fifo"
        rm -f "$fifo"
        wine cmd /c pause <&7 >/dev/null 2>&1 &
        wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || status=$?
    fi
fi
[ $status -ne 0 ] || "$@" 7<&- || status=$?
stop
exit $status
