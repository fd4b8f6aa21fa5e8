#!/bin/sh
# Builds the release into OUT (default dist/): Vaultry-VERSION-win64.zip,
# Vaultry-VERSION-setup.exe and SHA256SUMS. The executables are built afresh in
# BUILD (default build/dist). Every date in the release is the last commit's
# (SOURCE_DATE_EPOCH, below), and neither the folders nor the clock, time zone,
# umask or locale of the build machine leave a trace, so the same commit gives
# the same bytes anywhere, from a clone or a source archive: tools/verify-dist.sh
# and CI (.ci/run) check that.
# Usage: tools/make-dist.sh [BUILD [OUT]]
set -eu
umask 022
export LC_ALL=C TZ=UTC
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
build="${1:-build/dist}"
out="${2:-dist}"

version="$(sed -n 's/^project(Vaultry VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "make-dist: no version in CMakeLists.txt" >&2; exit 1; }
# The release's date: SOURCE_DATE_EPOCH when it is set; in a clone, the last
# commit's; in a tree without a .git of its own (a source archive, also one
# unpacked inside another repository's work tree), the one that git archive
# wrote into packaging/source-date (export-subst in .gitattributes). Never the
# clock's: the same sources must give the same bytes.
clone=""
[ "$(git rev-parse --show-toplevel 2>/dev/null)" != "$(pwd -P)" ] || clone=yes
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    from=SOURCE_DATE_EPOCH
elif [ -n "$clone" ]; then
    from="the last commit"
    SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null || true)"
else
    from=packaging/source-date
    SOURCE_DATE_EPOCH="$(sed -n '/^[^#]/p' packaging/source-date 2>/dev/null || true)"
fi
case "$SOURCE_DATE_EPOCH" in
    "" | *[!0-9]*)
        if [ "$from" = packaging/source-date ] && [ ! -f packaging/source-date ]; then
            from="packaging/source-date is missing"
        else
            from="$from gave '$SOURCE_DATE_EPOCH'"
        fi
        echo "make-dist: no date for the release: $from. Set SOURCE_DATE_EPOCH to its date in seconds" \
             "since 1970 (an archive made by git archive carries it)." >&2
        exit 1 ;;
esac
if [ -n "$clone" ] && [ -n "$(git status --porcelain)" ]; then
    echo "make-dist: the tree has uncommitted changes; this release differs from a build of the last commit." >&2
fi
export SOURCE_DATE_EPOCH

if [ -e "$build" ] && [ ! -f "$build/CMakeCache.txt" ]; then
    echo "make-dist: $build is not a build folder; it was left alone" >&2
    exit 1
fi
rm -rf "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target Vaultry vaultry-cli

# The staged release: the programs, README.txt and every file of
# packaging/licences, texts with Windows line ends, all of one date.
mkdir -p "$build/stage/licences"
stage="$(cd "$build/stage" && pwd)"
cp "$build/src/app/Vaultry.exe" "$build/src/cli/vaultry-cli.exe" "$stage/"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/README.txt >"$stage/README.txt"
for f in packaging/licences/*; do
    sed 's/$/\r/' "$f" >"$stage/licences/${f##*/}"
done
find "$stage" -type f -exec chmod 644 {} + -o -type d -exec chmod 755 {} +
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
files="$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)"
case "$files" in *" "*) echo "make-dist: a staged file name holds a space" >&2; exit 1 ;; esac

# The setup's file list, in the same order: what it installs and what its
# uninstaller removes.
nsh="$stage/../files.nsh"
{
    echo '!macro InstallFiles'
    previous=/
    for f in $files; do
        d="$(dirname "$f" | sed 's|^\.$||; s|/|\\|g')"
        [ "$d" = "$previous" ] || printf '  SetOutPath "$INSTDIR%s"\n' "${d:+\\$d}"
        previous="$d"
        printf '  File "%s"\n' "$stage/$f"
    done
    echo '!macroend'
    echo '!macro DeleteFiles'
    for f in $files; do printf '  Delete "$INSTDIR\\%s"\n' "$f"; done | sed 's|/|\\|g'
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) |
        sed 's|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
    echo '!macroend'
} >"$nsh"

mkdir -p "$out"
out="$(cd "$out" && pwd)"
zip="Vaultry-$version-win64.zip"
setup="Vaultry-$version-setup.exe"
rm -f "$out"/Vaultry-*-win64.zip "$out"/Vaultry-*-setup.exe "$out/SHA256SUMS"
(cd "$stage" && echo "$files" | zip -q -X -D -9 "$out/$zip" -@)
makensis -V2 -NOCD "-DVERSION=$version" "-DFILES=$nsh" "-DICON=$top/src/app/res/Vaultry.ico" \
         "-DOUTFILE=$out/$setup" packaging/setup.nsi
(cd "$out" && sha256sum "$zip" "$setup" >SHA256SUMS && cat SHA256SUMS)
