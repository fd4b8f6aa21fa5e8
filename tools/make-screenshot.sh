#!/bin/sh
# Makes the README's picture from the program itself: Vaultry.exe of the Windows
# build WINDOWS, started in the folder WORK on a sample database that
# vaultry-cli.exe writes there (never a Vaultry.vty of the user's), with a Wine
# prefix of its own made afresh, so that nothing from `make run` or the tests
# shows. Wine's desktop window (tools/run-program.sh) draws the decorations.
# The PNG holds no time stamp: an unchanged picture gives the same bytes.
# Usage: tools/make-screenshot.sh WINDOWS WORK OUT
set -eu
tools="$(cd "$(dirname "$0")" && pwd)"
windows="$(cd "$1" && pwd)"
work="$2"
mkdir -p "$(dirname "$3")"
out="$(cd "$(dirname "$3")" && pwd)/$(basename "$3")"
cli="$windows/src/cli/vaultry-cli.exe"
[ -f "$cli" ] && [ -f "$windows/src/app/Vaultry.exe" ] || { echo "make-screenshot: $1 holds no build of the programs" >&2; exit 1; }

if [ -e "$work" ]; then
    [ -d "$work/prefix" ] || { echo "make-screenshot: $work is not a screenshot folder; it was left alone" >&2; exit 1; }
    WINEPREFIX="$(cd "$work/prefix" && pwd)" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
fi
mkdir -p "$work/prefix"
cd "$work"
export WINEPREFIX="$PWD/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The sample entries: For, Username, Password, Notes.
"$tools/with-display.sh" sh -c '
    set -e
    tools="$1"; cli="$2"
    "$tools/wine-run.sh" "$cli" create Vaultry.vty --no-lock -q
    add() { printf "%s\n" "$3" | "$tools/wine-run.sh" "$cli" add Vaultry.vty --for "$1" --username "$2" \
                --notes "$4" --password-stdin -q; }
    add Mail joe "py=0kpJvYjVwMzfS" "Work account"
    add Bank joe.public "7WwTAqsrOq-aKoTG.QBi" "Online banking"
    add Library "J. Public" "Su5WW5l1j6lF" ""
' make-screenshot "$tools" "$cli"
SCREENSHOT="$out" CI=1 "$tools/run-program.sh" "$windows/src/app/Vaultry.exe" >/dev/null
echo "make-screenshot: $out ($(sha256sum <"$out" | cut -c1-16)...)"
