#!/bin/sh
# tools/wine-run.sh --test on a program that Windows ends before it prints
# anything (a DLL it needs is missing): the test fails with the exit status the
# shell sees (53, the low byte of 0xC0000135), and says why: the whole exit code
# and Wine's message naming the DLL. Programs that succeed keep their output as
# it was, with nothing added, also when it is empty.
# Usage: wine-run-test.sh TOOLS PROGRAM
set -u
failed=0
output="$("$1/wine-run.sh" --test "$2" 2>&1)"
status=$?
printf '%s\n' "$output"
[ $status -eq 53 ] || { echo "FAIL: exit status $status, not 53"; failed=1; }
for expected in "exit code 0xC0000135" "libvaultry-absent-library.dll.*not found"; do
    printf '%s\n' "$output" | grep -q "$expected" || { echo "FAIL: nothing says '$expected'"; failed=1; }
done
for said in "" "one two"; do
    output="$("$1/wine-run.sh" --test cmd /c "${said:+echo }${said:-exit 0}" 2>&1)" &&
        [ "$(printf '%s' "$output" | tr -d '\r')" = "$said" ] ||
        { echo "FAIL: a program that succeeded saying '$said' gave: $output"; failed=1; }
done
exit $failed
