#!/bin/sh
# Fails, listing the files, when a C++ source under src/, tests/, bench/ or fuzz/
# is not formatted as .clang-format says. `tools/check-format.sh --fix` formats
# them in place.
set -eu
cd "$(dirname "$0")/.."
FORMAT=$(command -v clang-format-14 || command -v clang-format)
# The sources that git knows in a clone; in a tree without a .git of its own (a
# source archive, also one unpacked inside another repository's work tree, whose
# top is then that repository's) every such file there is.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
else
    files=$(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
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
