#!/usr/bin/env bash
# Checks that a manual page source (scdoc) describes what the program's --help
# lists, and nothing --help no longer lists: every option (--name, -x) and, for
# programs with a "Commands:" section, every command with its subcommand word
# ("channels read"). Each difference is named with where to put it.
# Usage: man_matches_help.sh PROGRAM MAN-SOURCE.scd
set -uo pipefail
program=$1
source=$2
name=$(basename "$program")
help=$("$program" --help 2> /dev/null) || { echo "$name --help failed" >&2; exit 1; }
page=$(cat "$source") || exit 1
failures=0

missing() {
    echo "MISSING: $name --help lists $1 '$2', but $source does not describe it: add it as *$2* under # $3" >&2
    failures=$((failures + 1))
}

# Options anywhere in the help: long ones, and short ones in "-x, --long" pairs.
options=$(grep -oE '(^|[ [])--[a-z][a-z0-9-]*' <<< "$help" | sed 's/^[ [ ]*//' | sort -u)
shorts=$(grep -oE '^ +-[a-zA-Z],' <<< "$help" | tr -d ' ,' | sort -u)
for option in $options $shorts; do
    grep -qF -- "*$option*" <<< "$page" || missing option "$option" OPTIONS
done

# Commands: the first one or two words of the usage column (up to two blanks)
# in the "Commands:" section; the second when it is a lower-case word, not an
# argument.
commands=$(awk '/^Commands:/ {inside = 1; next}
                /^[^ ]/ {inside = 0}
                inside && /^  [a-z]/ {
                    usage = substr($0, 3)
                    gap = index(usage, "  ")
                    if (gap > 0) usage = substr(usage, 1, gap - 1)
                    n = split(usage, word, " ")
                    cmd = word[1]
                    if (n > 1 && word[2] ~ /^[a-z][a-z-]*$/) cmd = cmd " " word[2]
                    print cmd
                }' <<< "$help" | sort -u)
while IFS= read -r command; do
    [ -n "$command" ] || continue
    grep -qF -- "*$command*" <<< "$page" || missing command "$command" COMMANDS
done <<< "$commands"

# The other way round: an option the page still describes but --help no longer lists.
for option in $(grep -oE '\*--?[a-zA-Z][a-z0-9-]*\*' <<< "$page" | tr -d '*' | sort -u); do
    if ! grep -qE -- "(^|[ [,])$option([ ,=]|$)" <<< "$help"; then
        echo "STALE: $source describes '$option', which $name --help no longer lists: remove or rename it" >&2
        failures=$((failures + 1))
    fi
done

# ... and a command the page still describes (a line "*word*" or "*word sub*"
# at the start of its COMMANDS section) that --help no longer lists.
described=$(awk '/^# COMMANDS/ {inside = 1; next} /^# / {inside = 0}
                 inside && /^\*[a-z][a-z -]*\*/ {sub(/^\*/, ""); sub(/\*.*/, ""); print}' <<< "$page")
while IFS= read -r command; do
    [ -n "$command" ] || continue
    if ! grep -qxF -- "$command" <<< "$commands"; then
        echo "STALE: $source describes the command '$command', which $name --help no longer lists: remove or rename it" >&2
        failures=$((failures + 1))
    fi
done <<< "$described"

if [ "$failures" -gt 0 ]; then
    echo "$name: $failures difference(s) between --help and $source" >&2
    exit 1
fi
echo "$name: $(wc -w <<< "$options $shorts") options and $(grep -c . <<< "$commands") commands described in $(basename "$source")"
