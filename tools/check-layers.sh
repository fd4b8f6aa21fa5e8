#!/bin/sh
# Fails, naming file and line, when an #include "..." under src/ or tests/ goes
# against the layers, or when a source file is in no layer:
#
#   portable        src/framework/portable        includes only itself
#   database core   src/database/core             + portable
#   textio core     src/textio/core               + portable, database core
#   framework       src/framework/win32           + portable (never the cores)
#   cli             src/cli, by folder:           + portable and the cores, and
#     text          src/cli/text                    itself
#     terminal      src/cli/terminal                itself
#     base          src/cli/base                    text, terminal, itself
#     formats       src/cli/formats                 base and below, itself
#     clipboard     src/cli/clipboard               base and below, itself
#     passwords     src/cli/passwords               base and below, itself
#     otp           src/cli/otp                     base and below, itself
#     commands      src/cli/commands                all the above, itself
#     top           src/cli/*.cpp, *.h              all of src/cli
#   program         src/app, frame, views, toolbar, database/document,
#                   textio/commands               everything but the cli
#
# The tests of a layer may include what it may, and their own helpers: tests/common
# (over the portable framework and the cores) and, under Windows, tests/harness
# (plain Win32, nothing of src/). tests/cli mirrors src/cli: tests/cli/formats may
# include what src/cli/formats may, and the shared helpers at the top of tests/cli.
#
#   tools/check-layers.sh [ROOT]       checks the tree at ROOT (default: this one)
#   tools/check-layers.sh --self-test  plants good and bad includes in a scratch
#                                      tree and checks that only the bad ones fail
set -eu

if [ "${1:-}" = "--self-test" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    failures=0
    # expected result, including file, included header (not made when "absent")
    while read -r expect file header absent; do
        rm -rf "$scratch/tree"
        mkdir -p "$scratch/tree/src" "$scratch/tree/tests" "$scratch/tree/$(dirname "$file")" \
            "$scratch/tree/$(dirname "$header")"
        [ -n "$absent" ] || : >"$scratch/tree/$header"
        printf '// planted\n#include "%s"\n' "${header#*/}" >"$scratch/tree/$file"
        if "$0" "$scratch/tree" >"$scratch/out" 2>&1; then got=pass; else got=fail; fi
        if [ "$got" != "$expect" ] || { [ "$got" = fail ] && ! grep -q "^$file:[12]:" "$scratch/out"; }; then
            echo "check-layers self-test: $file including $header should $expect; it gave:"
            cat "$scratch/out"
            failures=$((failures + 1))
        fi
    done <<'EOF'
fail src/framework/portable/A.h      src/database/core/B.h
fail src/framework/portable/A.h      src/framework/win32/B.h
fail src/database/core/A.cpp         src/textio/core/B.h
fail src/database/core/A.cpp         src/framework/win32/B.h
fail src/textio/core/A.cpp           src/database/document/B.h
fail src/framework/win32/A.cpp       src/database/core/B.h
fail src/framework/win32/A.cpp       src/app/B.h
fail src/cli/A.cpp                   src/framework/win32/B.h
fail src/cli/A.cpp                   src/textio/commands/B.h
fail src/views/A.cpp                 src/cli/B.h
fail src/views/A.cpp                 src/cli/base/B.h
fail src/cli/text/A.cpp              src/cli/base/B.h
fail src/cli/terminal/A.cpp          src/cli/text/B.h
fail src/cli/base/A.cpp              src/cli/formats/B.h
fail src/cli/formats/A.cpp           src/cli/passwords/B.h
fail src/cli/clipboard/A.cpp         src/cli/commands/B.h
fail src/cli/passwords/A.cpp         src/cli/commands/B.h
fail src/cli/otp/A.cpp               src/cli/passwords/B.h
fail src/cli/base/A.cpp              src/cli/otp/B.h
fail tests/cli/otp/A.cpp             src/cli/commands/B.h
fail src/cli/commands/A.cpp          src/cli/B.h
fail src/cli/misc/A.cpp              src/cli/base/B.h
fail tests/cli/misc/A.cpp            tests/cli/B.h
fail tests/cli/formats/A.cpp         src/cli/commands/B.h
fail tests/cli/A.cpp                 tests/cli/formats/B.h
fail tests/core/A.cpp                src/framework/win32/B.h
fail tests/core/A.cpp                tests/harness/B.h
fail tests/harness/A.cpp             src/framework/portable/B.h
fail src/utils/A.cpp                 src/framework/portable/B.h
fail src/app/A.cpp                   src/misc/B.h
fail src/app/A.cpp                   src/app/B.h                  absent
pass src/textio/core/A.cpp           src/database/core/B.h
pass src/cli/A.cpp                   src/textio/core/B.h
pass src/database/document/A.cpp     src/framework/win32/B.h
pass tests/program/A.cpp             tests/harness/B.h
pass tests/cli/A.cpp                 tests/common/B.h
pass src/cli/base/A.cpp              src/cli/text/B.h
pass src/cli/base/A.cpp              src/cli/terminal/B.h
pass src/cli/formats/A.cpp           src/cli/base/B.h
pass src/cli/commands/A.cpp          src/cli/clipboard/B.h
pass src/cli/commands/A.cpp          src/cli/otp/B.h
pass src/cli/otp/A.cpp               src/cli/base/B.h
pass tests/cli/otp/A.cpp             src/cli/otp/B.h
pass src/cli/A.cpp                   src/cli/commands/B.h
pass tests/cli/passwords/A.cpp       src/cli/passwords/B.h
pass tests/cli/formats/A.cpp         tests/cli/B.h
EOF
    [ "$failures" -eq 0 ] && echo "check-layers self-test: every planted include judged right"
    exit "$failures"
fi

cd "${1:-$(dirname "$0")/..}"
files=$(mktemp)
trap 'rm -f "$files"' EXIT
find src tests -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' \
    -o -name '*.rc' \) | sort >"$files"
# shellcheck disable=SC2046  # one argument per file: the names have no spaces
awk '
function layer(path,    part) {
    if (path ~ /^src\/framework\/portable\//) return "portable"
    if (path ~ /^src\/database\/core\//) return "database-core"
    if (path ~ /^src\/textio\/core\//) return "textio-core"
    if (path ~ /^src\/framework\/win32\//) return "framework"
    if (path ~ /^src\/cli\/[^\/]*$/) return "cli"
    if (path ~ "^src/cli/(" clisub ")/") {
        split(path, part, "/")
        return "cli/" part[3]
    }
    if (path ~ /^src\/(app|frame|views|toolbar|database\/document|textio\/commands)\//) return "program"
    if (path ~ /^tests\/cli\/[^\/]*$/) return "tests/cli"
    if (path ~ "^tests/cli/(" clisub ")/") {
        split(path, part, "/")
        return "tests/cli/" part[3]
    }
    if (path ~ /^tests\/(core|framework|program|harness|common)\//) {
        split(path, part, "/")
        return "tests/" part[2]
    }
    return ""
}
# The path with "." and ".." taken out.
function normal(path,    n, part, out, k, i, s) {
    n = split(path, part, "/")
    k = 0
    for (i = 1; i <= n; i++) {
        if (part[i] == "." || part[i] == "") continue
        if (part[i] == ".." && k > 0) { k--; continue }
        out[++k] = part[i]
    }
    s = out[1]
    for (i = 2; i <= k; i++) s = s "/" out[i]
    return s
}
function complain(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message
    bad++
}
BEGIN {
    core = " portable database-core textio-core"
    may["portable"] = " portable"
    may["database-core"] = " portable database-core"
    may["textio-core"] = core
    may["framework"] = " portable framework"
    clisub = "text|terminal|base|formats|clipboard|passwords|otp|commands"
    may["cli/text"] = core " cli/text"
    may["cli/terminal"] = core " cli/terminal"
    may["cli/base"] = core " cli/text cli/terminal cli/base"
    may["cli/formats"] = may["cli/base"] " cli/formats"
    may["cli/clipboard"] = may["cli/base"] " cli/clipboard"
    may["cli/passwords"] = may["cli/base"] " cli/passwords"
    may["cli/otp"] = may["cli/base"] " cli/otp"
    may["cli/commands"] = may["cli/base"] " cli/formats cli/clipboard cli/passwords cli/otp cli/commands"
    may["cli"] = may["cli/commands"] " cli"
    may["program"] = core " framework program"
    may["tests/common"] = core " tests/common"
    may["tests/harness"] = " tests/harness"
    may["tests/core"] = core " tests/common tests/core"
    may["tests/cli"] = may["cli"] " tests/common tests/cli"
    n = split(clisub, folder, "|")
    for (i = 1; i <= n; i++)
        may["tests/cli/" folder[i]] = may["cli/" folder[i]] " tests/common tests/cli tests/cli/" folder[i]
    may["tests/framework"] = " portable framework tests/harness tests/common tests/framework"
    may["tests/program"] = core " framework program tests/harness tests/common tests/program"
}
FNR == NR { known[$0] = 1; next }
FNR == 1 {
    from = layer(FILENAME)
    if (from == "") complain("this folder is in no layer (see tools/check-layers.sh)")
}
from != "" && /^[ \t]*#[ \t]*include[ \t]*"/ {
    name = $0
    sub(/^[^"]*"/, "", name)
    sub(/".*$/, "", name)
    dir = FILENAME
    sub(/\/[^\/]*$/, "", dir)
    path = normal(dir "/" name)
    if (!(path in known)) path = normal("src/" name)
    if (!(path in known)) path = normal("tests/" name)
    if (!(path in known)) { complain("\"" name "\" is no file of src/ or tests/"); next }
    to = layer(path)
    if (to == "") complain("\"" name "\" (" path ") is in no layer")
    else if (index(may[from] " ", " " to " ") == 0) complain(from " must not include " to ": \"" name "\"")
}
END { exit bad > 0 }
' "$files" $(cat "$files")
