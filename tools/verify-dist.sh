#!/bin/sh
# Checks that the release rebuilds bit for bit: builds it twice, from two clean
# clones of the last commit in two temporary folders of different names, one
# after the other and the second under another time zone, umask and locale,
# then prints both builds' SHA-256 sums and sizes and compares the files. Exits non-zero
# when they differ. Uncommitted changes take no part.
set -eu
top="$(cd "$(dirname "$0")/.." && pwd -P)"
[ "$(git -C "$top" rev-parse --show-toplevel 2>/dev/null)" = "$top" ] ||
    { echo "verify-dist: this needs a git clone: it builds the release from clones of its last commit." >&2; exit 1; }
commit="$(git -C "$top" rev-parse HEAD)"
[ -z "$(git -C "$top" status --porcelain)" ] ||
    echo "verify-dist: uncommitted changes take no part; this checks commit $commit." >&2
tmp="$(mktemp -d "${TMPDIR:-/tmp}/vaultry-verify-dist.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT INT TERM

build() {
    git clone -q --no-checkout "$top" "$1"
    git -C "$1" checkout -q "$commit"
    (cd "$1" && tools/make-dist.sh build/dist "$tmp/$2") >"$tmp/$2.log" 2>&1 ||
        { cat "$tmp/$2.log" >&2; echo "verify-dist: the $2 build failed." >&2; exit 1; }
}
build "$tmp/a" first
(umask 077; export TZ=Pacific/Kiritimati LANG=de_DE.UTF-8 LC_ALL=; build "$tmp/second-clone/of/vaultry" second)

status=0
for n in first second; do
    echo "The $n build:"
    (cd "$tmp/$n" && sha256sum * && for f in *.zip *.exe; do echo "$(wc -c <"$f") bytes  $f"; done)
done
for f in $(cd "$tmp/first" && ls) $(cd "$tmp/second" && ls); do
    cmp -s "$tmp/first/$f" "$tmp/second/$f" || { echo "verify-dist: $f differs between the builds." >&2; status=1; }
done
[ $status -ne 0 ] || echo "The two builds are identical, byte for byte."
exit $status
