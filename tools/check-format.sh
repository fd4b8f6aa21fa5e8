#!/bin/sh
# Fails, listing the files, when a C++ source under src/, tests/, bench/ or fuzz/
# is not formatted as .clang-format says. `tools/check-format.sh --fix` formats
# them in place.
set -eu
cd "$(dirname "$0")/.."
FORMAT=$(command -v clang-format-14 || command -v clang-format)
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ "${1:-}" = "--fix" ]; then
    # shellcheck disable=SC2086
    $FORMAT -i $files
    exit 0
fi
bad=""
for f in $files; do
    $FORMAT --dry-run --Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "Not formatted as .clang-format says (tools/check-format.sh --fix formats them):"
    for f in $bad; do echo "  $f"; done
    exit 1
fi
