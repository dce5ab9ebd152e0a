#!/usr/bin/env bash
# vantorelctl speaks the language of the environment on standard error only:
# the exit status and the --json documents are the same in every language.
. "$(dirname "$0")/lib.sh"

# in_language LANG ARGS...: vantorelctl with LANG as the only locale variable.
in_language() {
    local lang=$1; shift
    OUT=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" "$CTL" "$@" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(grep -v '^Detected locale' "$WORK/ctl.err") # Qt's note on a locale the system lacks
}

# A refused file: the same exit status, the message in the user's language.
in_language C channels write "$WORK/missing.csv"
english=$ERR
expect_status 3 "channels write, LANG=C"
expect_err "missing.csv"
in_language pl_PL.UTF-8 channels write "$WORK/missing.csv"
expect_status 3 "channels write, LANG=pl_PL.UTF-8"
expect_err "missing.csv"
if [ -z "$(find "$(dirname "$CTL")" -name 'vantorel_pl.qm' -print -quit)" ]; then
    echo "SKIP: no Polish translation was built; the Polish message is not checked"
elif [ "$ERR" = "$english" ]; then
    fail "LANG=pl_PL.UTF-8 gives the English message"
fi

# --json documents, a result and a failure, byte for byte the same.
FIRMWARE="$(dirname "$0")/../data/firmware/pro_tail.bix"
for args in "--emulator --json identify" "--json firmware info $FIRMWARE" "--json firmware info $WORK/missing.bix"; do
    # shellcheck disable=SC2086
    in_language C $args
    english_out=$OUT english_status=$STATUS
    [ -n "$OUT" ] || fail "$args: no JSON document"
    for lang in pl_PL.UTF-8 de_DE.UTF-8; do
        # shellcheck disable=SC2086
        in_language "$lang" $args
        expect_status "$english_status" "$args, LANG=$lang"
        [ "$OUT" = "$english_out" ] || fail "$args: the JSON document differs with LANG=$lang"
    done
done

finish
