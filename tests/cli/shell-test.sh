#!/bin/bash
# vaultry-cli's bash completion driven as bash drives it (COMP_WORDS, compgen),
# its man page against its help, and what make install puts where.
# Usage: shell-test.sh VAULTRY_CLI COMPLETION MAN_SOURCE BUILD_DIR
set -u
cli="$1" completion="$2" man_source="$3" build="$4"
PATH="$(dirname "$cli"):$PATH"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

source "$completion"
complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _vaultry_cli
    printf '%s\n' "${COMPREPLY[@]}"
}
vaultry-cli create "$tmp/db.vty" --no-lock -q
vaultry-cli add "$tmp/db.vty" --for "Mail box" --generate 8 -q
vaultry-cli add "$tmp/db.vty" --for "bank" --generate 8 -q
touch "$tmp/backup.txt"
while IFS='|' read -r line expected; do
    read -r -a words <<<"$line"
    got="$(complete_line "${words[@]/@/$tmp/}" 2>&1 | paste -sd' ')"
    expected="${expected//@/$tmp/}"
    [ "$got" = "$expected" ] || fail "completing '$line': got '$got', expected '$expected'"
done <<'TABLE'
vaultry-cli se|search
vaultry-cli help au|audit
vaultry-cli show --s|--show-password
vaultry-cli rm x -|--codepage --password-command --password-file --password-stdin --quiet --yes -q -y
vaultry-cli passwd x -|--codepage --no-lock --password-command --password-file --password-stdin --quiet --words --yes -q -y
vaultry-cli show @db.vty M|Mail\ box
vaultry-cli clip @db.vty --field pa|password
vaultry-cli export @db.vty --format j|json
vaultry-cli import @db.vty @back|@backup.txt
vaultry-cli show @db.vty --password-file @back|@backup.txt
vaultry-cli merge @db.vty @db.vty --base @back|@backup.txt
vaultry-cli show @db.vty --password-command vaultry-cl|vaultry-cli
vaultry-cli to|totp
vaultry-cli totp @db.vty M|Mail\ box
vaultry-cli audit @db.vty --breached @back|@backup.txt
vaultry-cli audit @db.vty --br|--breached
TABLE

# Every command and option that --help names is in the man page.
commands="$(vaultry-cli --help | sed -n 's/^  \([a-z]\{2,\}\) .*/\1/p')"
[ "$(echo "$commands" | wc -l)" -ge 14 ] || fail "--help lists only: $commands"
for command in $commands; do
    grep -q "^\*$command\* " "$man_source" || fail "the man page has no command $command"
    for option in $(vaultry-cli help "$command" | grep -oE -- '(^|[ [|])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' [|' | sort -u); do
        grep -qF -- "*$option*" "$man_source" || fail "the man page has no option $option (of $command)"
    done
done

# make install: the program, the man page and the completion where Debian looks.
DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
for file in bin/vaultry-cli share/man/man1/vaultry-cli.1 share/bash-completion/completions/vaultry-cli; do
    [ -f "$tmp/root/usr/$file" ] || fail "make install left out /usr/$file"
done
[ "$failed" = 0 ] && echo "1 passed, 0 failed"
exit "$failed"
