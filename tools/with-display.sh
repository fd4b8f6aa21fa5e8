#!/bin/sh
# Runs a command with an X display: the caller's own when it has one (and CI is
# not set), else a private Xvfb started here and stopped afterwards. Wine's
# server is stopped at the end so that no process outlives the command.
set -e
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG:--all}"
started=""
if [ -z "$DISPLAY" ] || [ -n "$CI" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started=$!
    export DISPLAY=":$n"
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
fi
# A wineserver left from a run without this display would refuse every window.
wineserver -k >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
[ -n "$started" ] && kill "$started" 2>/dev/null
exit $status
