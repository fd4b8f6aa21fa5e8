#!/bin/sh
# Starts Vaultry.exe under Wine in the current folder, so that it opens (or
# announces) ./Vaultry.vty. With a display (and not under CI) the program runs
# there until it is closed. Without one it runs inside a private Xvfb for a few
# seconds, a screenshot of its desktop is saved (SCREENSHOT, default
# build/screenshot.png; a PNG with no time stamp in it), and it is stopped again.
set -e
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
shift
tools="$(cd "$(dirname "$0")" && pwd)"
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG:--all}"
shot="${SCREENSHOT:-build/screenshot.png}"

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    "$tools/wine-prefix.sh"
    exec "$tools/wine-run.sh" "$exe" "$@"
fi

"$tools/with-display.sh" sh -c '
    exe="$1"; shot="$2"; tools="$3"; shift 3
    "$tools/wine-run.sh" explorer /desktop=Vaultry,800x600 "$exe" "$@" >/dev/null 2>&1 &
    i=0
    until xwininfo -root -tree 2>/dev/null | grep -q "\"Vaultry.vty - Vaultry\"\|\"Untitled - Vaultry\""; do
        i=$((i + 1)); [ $i -lt 120 ] || { echo "Vaultry did not show its main window." >&2; exit 1; }
        sleep 0.5
    done
    sleep 2
    mkdir -p "$(dirname "$shot")"
    import -window root -crop 800x600+0+0 +repage -strip -define png:exclude-chunks=date,time "$shot"
    wineserver -k >/dev/null 2>&1 || true
' run "$exe" "$shot" "$tools" "$@"
echo "No display here: Vaultry ran under Xvfb; a screenshot of its window is in $shot."
