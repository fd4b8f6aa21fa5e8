#!/bin/sh
# Runs a Windows program under Wine in the build's private prefix, which is set
# up first when it never was (tools/wine-prefix.sh). The display must already be
# set (tools/with-display.sh).
#
#   tools/wine-run.sh [--test] PROGRAM [ARG...]
#
# --test (how CTest starts the Windows test programs, cmake/mingw-w64.cmake): a
# test program that fails without printing anything (Wine could not start it, a
# DLL is missing, it died before its first line) would leave the test's log
# empty, so then this says why: the exit status, and from a second run with
# Wine's error messages on, the whole Windows exit code (the shell keeps only
# its low byte: 0xC0000135, a DLL not found, arrives as 53) and what Wine
# printed. The test still fails with the first run's status.
set -eu
: "${WINEPREFIX:?WINEPREFIX must be set}"
: "${WINEDEBUG:=-all}"
export WINEPREFIX WINEDEBUG
# (Only a prefix never set up: tools/with-display.sh has brought it up to date,
# and setting it up again would wait for the run's own server.)
[ -f "$WINEPREFIX/.vaultry-ready" ] || "$(dirname "$0")/wine-prefix.sh"
[ "${1:-}" = --test ] || exec wine "$@"
shift

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# The output goes to a file, shown as it grows until the program ends: the Wine
# services that a program starts inherit its output, and under the run's one
# server they outlive it, so a pipe to CTest would never see its end.
exec 3<&0
: >"$tmp/output"
wine "$@" <&3 3<&- >>"$tmp/output" 2>&1 &
pid=$!
tail -s 0.1 -n +1 -f --pid=$pid "$tmp/output"
status=0
wait $pid || status=$?
[ "$status" -ne 0 ] && [ ! -s "$tmp/output" ] || exit "$status"

# The second run: a batch file, as cmd's ERRORLEVEL holds the whole exit code;
# the program by its drive Z: path (Wine's view of /) or, without a folder, by
# its name, its arguments as given.
program="$1"
shift
case "$program" in
    /*) command="Z:$(printf %s "$program" | tr / '\\')" ;;
    */*) command="Z:$(printf %s "$PWD/$program" | tr / '\\')" ;;
    *) command="$program" ;;
esac
{
    printf '@"%s"' "$command"
    for argument; do printf ' "%s"' "$argument"; done
    printf '\r\n@echo wine-run: exit code %%ERRORLEVEL%%\r\n'
} >"$tmp/again.bat"
WINEDEBUG=-all,err+all wine cmd /c "Z:$(printf %s "$tmp/again.bat" | tr / '\\')" <&3 3<&- >"$tmp/again" 2>&1 || true
code="$(tr -d '\r' <"$tmp/again" | sed -n 's/^wine-run: exit code \(-\{0,1\}[0-9][0-9]*\)$/\1/p')"
{
    echo "wine-run: $program ended with exit status $status and printed nothing."
    printf 'Run again with WINEDEBUG=-all,err+all, '
    if [ -z "$code" ]; then
        echo "it gave no exit code."
    elif [ "$code" -eq 0 ]; then
        echo "it succeeded: the failure depends on timing."
    else
        printf 'it ended with exit code 0x%08X.\n' $(((code + 4294967296) % 4294967296))
    fi
    tr -d '\r' <"$tmp/again" | grep -v '^wine-run: exit code' >"$tmp/printed" || true
    if [ -s "$tmp/printed" ]; then
        echo "Wine printed (at most 40 lines):"
        head -n 40 "$tmp/printed" | sed 's/^/  /'
    else
        echo "Wine printed nothing."
    fi
} >&2
exit "$status"
