#!/usr/bin/env bash
# The bash completion of vantorelctl, driven as bash does it: commands,
# subcommands, option values and the port names of `vantorelctl ports`
# (quoted, since they hold blanks).
# Usage: test_completion.sh VANTORELCTL COMPLETION-FILE
set -uo pipefail
ctl=$1
[ -f /usr/share/bash-completion/bash_completion ] || { echo "bash-completion is not installed"; exit 77; }
source /usr/share/bash-completion/bash_completion
source "$2"
failures=0

# complete LINE -> the candidates, one a line; the command word is $ctl.
complete_line() {
    local line="$ctl $1"
    # Split as bash does: an escaped blank stays inside its word.
    local -a raw
    read -ra raw <<< "${line//\\ /$'\x01'}"
    COMP_WORDS=("${raw[@]//$'\x01'/\\ }")
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _vantorelctl
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {
    local got
    got=$(complete_line "$1" | paste -sd ' ')
    if [ "$got" != "$2" ]; then
        echo "FAIL: '$1<TAB>' offers '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect 'iden' 'identify'
expect 'channels ' 'diff patch read write'
expect 'modes r' 'read reset'
expect 'firmware ' 'info upload'
expect 'firmware upload x.bix --' '--mode'
expect 'firmware upload x.bix --mode ' 'newer same-or-older'
expect '--backend ' 'alsa auto jack'
expect '--emulator-type ' 'B E P'
expect 'options --note-off ' 'off on'
expect 'send ' 'cc note'
expect 'channels patch a.csv b.qxf --' '--force --mode --name --start'
expect '--emulator learn --from V' 'VANTOREL\ Emulator'
# Port names come from the tool itself, with the options given before them.
expect '--emulator --in ' 'VANTOREL\ Emulator'
expect '--emulator --in VANTOREL\ E' 'VANTOREL\ Emulator'
expect '--emulator --out V' 'VANTOREL\ Emulator'
expect '--emulator --out X' ''
# Options and their values are no command: the command list still comes.
expect '--emulator --in x --out y ch' 'channels'

[ "$failures" -eq 0 ] && echo "completion: all cases pass"
exit $((failures > 0))
