#!/bin/sh
# The release as a Windows user meets it, in a fresh Wine prefix. The setup
# installs silently for the current user, then with /ALLUSERS for all users; each
# time the installed files are the zip's, byte for byte, the Uninstall entry is
# registered, the installed vaultry-cli answers and makes a database in the
# user's Documents folder, and the Start menu shortcut starts Vaultry there, on
# that database. The silent uninstall then leaves the prefix as it found it,
# but for the databases: the one in Documents and one put in the install folder
# stay as they were.
# Usage: tests/dist/test-install.sh DIST, with a display (tools/with-display.sh)
# and WINEPREFIX naming the prefix to make afresh; the user's home is made
# beside it.
set -eu
dist="$(cd "$1" && pwd)"
: "${WINEPREFIX:?WINEPREFIX must be set}"
work="$(dirname "$WINEPREFIX")"
export HOME="$work/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setup="$(ls "$dist"/Vaultry-*-setup.exe)"
version="${setup##*/Vaultry-}"
version="${version%-setup.exe}"
passed=0 failed=0
fail() { printf "FAIL: %s: %s\n" "$scope" "$*"; failed=$((failed + 1)); }

rm -rf "$WINEPREFIX" "$work/home" "$work/zip" "$work/state"
mkdir -p "$HOME" "$work/state"
unzip -q "$dist/Vaultry-$version-win64.zip" -d "$work/zip"
wineboot -i >/dev/null 2>&1
wineserver -w

# What a prefix holds: its files but temporary ones, and its registry key names
# (the registry files are written when the server ends).
snapshot() {
    wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . ! -path './users/*/Temp/*' | sort) >"$work/state/$1.files"
    cat "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" | sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' | sort >"$work/state/$1.keys"
}
# Shell folders and keys that Windows has anyway, made here by the first program
# to use them, and the devices Wine sets up in the background whenever it gets
# to it. (The uninstaller leaves a copy of itself in Temp, which Windows deletes
# at the next start.)
allowed='^\./users/[^/]*/AppData/Local/Programs$|^\./windows/inf/|^System\\\\|^Software\\\\Classes$'
allowed="$allowed"'|^Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall$'
snapshot before
profile="$WINEPREFIX/drive_c/users/$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public)"
docs="$profile/Documents"

for scope in user machine; do
    case $scope in
        user) options="" root=HKCU
              inst="$profile/AppData/Local/Programs/Vaultry"
              menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" ;;
        machine) options=/ALLUSERS root=HKLM
              inst="$WINEPREFIX/drive_c/Program Files/Vaultry"
              menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" ;;
    esac
    failed_before=$failed
    wine "$setup" /S $options || fail "the setup failed"
    wineserver -w
    instw="$(winepath -w "$inst" | tr -d '\r')"

    diff -r -x Uninstall.exe "$work/zip" "$inst" || fail "the installed files are not the zip's"
    [ -f "$inst/Uninstall.exe" ] || fail "no uninstaller"
    reg="$(wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vaultry" | tr -d '\r' |
           sed 's/^ *//; s/    /|/g')"
    for value in "DisplayName|REG_SZ|Vaultry" "DisplayVersion|REG_SZ|$version" "Publisher|REG_SZ|Quorlan Software" \
                 "DisplayIcon|REG_SZ|$instw\\Vaultry.exe,0" "UninstallString|REG_SZ|\"$instw\\Uninstall.exe\""; do
        printf "%s\n" "$reg" | grep -qxF "$value" || fail "the Uninstall entry lacks $value"
    done
    printf "%s\n" "$reg" | grep -q '^EstimatedSize|REG_DWORD|0x[1-9a-f]' || fail "the Uninstall entry gives no size"

    cli="$(wine "$inst/vaultry-cli.exe" --version | tr -d '\r')" || true
    [ "$cli" = "vaultry-cli $version" ] || fail "vaultry-cli --version said '$cli'"
    rm -f "$docs/Vaultry.vty"
    wine "$inst/vaultry-cli.exe" create "$(winepath -w "$docs/Vaultry.vty" | tr -d '\r')" --no-lock ||
        fail "vaultry-cli could not make a database in Documents"

    # Started from the shortcut, Vaultry opens Documents\Vaultry.vty: its main
    # window is titled so, and no notice of a missing or unreadable file follows.
    wine start "$(winepath -w "$menu/Vaultry.lnk" | tr -d '\r')" || fail "the Start menu shortcut did not start"
    i=0
    until xwininfo -root -tree | grep -q '"Vaultry.vty - Vaultry"'; do
        i=$((i + 1))
        [ $i -lt 120 ] || { fail "no main window"; break; }
        sleep 0.5
    done
    sleep 2
    ! xwininfo -root -tree | grep -q '^ *0x[0-9a-f]* "Vaultry": ' || fail "Vaultry showed a notice at start"
    wineserver -k

    cp "$docs/Vaultry.vty" "$work/state/docs.vty"
    cp "$docs/Vaultry.vty" "$inst/Kept.vty"
    wine "$inst/Uninstall.exe" /S || fail "the uninstaller failed"
    wineserver -w
    [ "$(ls -A "$inst" 2>&1)" = "Kept.vty" ] || fail "left in the install folder: $(ls -A "$inst" 2>&1)"
    cmp -s "$inst/Kept.vty" "$work/state/docs.vty" || fail "the database in the install folder changed"
    cmp -s "$docs/Vaultry.vty" "$work/state/docs.vty" || fail "the database in Documents changed"
    rm -rf "$inst"
    snapshot "$scope"
    for kind in files keys; do
        left="$(comm -13 "$work/state/before.$kind" "$work/state/$scope.$kind" | grep -Ev "$allowed" || true)"
        [ -z "$left" ] || fail "the uninstall left $kind: $left"
    done
    if [ $failed -eq $failed_before ]; then
        passed=$((passed + 1))
        echo "Install and uninstall for the $scope scope: passed"
    fi
done
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
