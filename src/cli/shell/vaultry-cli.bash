# bash completion for vaultry-cli: its commands and options (read from its own
# help, so they are always the program's), file names, --field and --format
# values, and the For texts of a database that opens without a password.
_vaultry_cli()
{
    local cur="${COMP_WORDS[COMP_CWORD]}" prev="${COMP_WORDS[COMP_CWORD-1]}" prog="${COMP_WORDS[0]}"
    local commands
    commands="$("$prog" --help 2>/dev/null | sed -n 's/^  \([a-z]\{2,\}\) .*/\1/p')"
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ] || [ "${COMP_WORDS[1]}" = help ]; then
        [ "$COMP_CWORD" -le 2 ] && COMPREPLY=($(compgen -W "$commands help -h --help -V --version" -- "$cur"))
        return
    fi
    local command="${COMP_WORDS[1]}"
    case "$prev" in
        --field) COMPREPLY=($(compgen -W "for username password notes" -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W "text csv json" -- "$cur")); return ;;
        --for|--username|--notes|--generate|--words|--length|--separator|--exclude|--timeout|--codepage) return ;;
        --password-command) COMPREPLY=($(compgen -c -- "$cur")); return ;;
        --base|--password-file) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --breached) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
    esac
    if [[ "$cur" == -* ]]; then
        local options
        options="$("$prog" help "$command" 2>/dev/null | grep -oE -- '(^|[ [|])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' [|' | LC_ALL=C sort -u)"
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # Which operand is being typed: the words before it that are no option.
    local i operands=() takes_value='^--(for|username|notes|generate|words|length|separator|exclude|timeout|codepage|field|format|base|password-command|password-file|breached)$'
    for ((i = 2; i < COMP_CWORD; i++)); do
        if [[ "${COMP_WORDS[i]}" =~ $takes_value ]]; then
            ((i++))
        elif [[ "${COMP_WORDS[i]}" != -* ]]; then
            operands+=("${COMP_WORDS[i]}")
        fi
    done
    if [ "${#operands[@]}" -eq 1 ] && [[ " show clip edit rm totp " == *" $command "* ]]; then
        local db="${operands[0]/#\~/$HOME}" name
        while IFS= read -r name; do
            [[ "$name" == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
        done < <("$prog" ls "$db" --password-stdin </dev/null 2>/dev/null | cut -f2)
        return
    fi
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -F _vaultry_cli vaultry-cli vaultry-cli.exe
