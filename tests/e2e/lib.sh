# Shared by the end-to-end scripts: arguments RUN_DIR VANTORELCTL EMULATOR GUI.
set -u
RUN_DIR=$1
CTL=$2
EMULATOR=$3
GUI=${4:-}
export JACK_DEFAULT_SERVER
JACK_DEFAULT_SERVER=$(cat "$RUN_DIR/server")
export JACK_NO_START_SERVER=1
# The scripts match the programs' English texts, whatever the caller's language.
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES
WORK=$(mktemp -d "$RUN_DIR/work.XXXXXX")
EMULATOR_PIDS=()
FAILURES=0

cleanup() {
    for pid in "${EMULATOR_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT

# start_emulator NAME ARGS...: starts vantorel-emulator as JACK client NAME and
# waits until its ports exist. Its stderr goes to $WORK/NAME.log.
start_emulator() {
    local name=$1; shift
    "$EMULATOR" --name "$name" --verbose "$@" > "$WORK/$name.out" 2> "$WORK/$name.log" &
    EMULATOR_PIDS+=($!)
    for _ in $(seq 1 100); do
        grep -q ready "$WORK/$name.out" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "emulator $name did not start" >&2
    cat "$WORK/$name.log" >&2
    exit 1
}

# ctl NAME ARGS...: runs vantorelctl against emulator NAME; output in $OUT, $ERR, $STATUS.
ctl() {
    local name=$1; shift
    OUT=$("$CTL" --backend jack --in "$name:out" --out "$name:in" "$@" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(cat "$WORK/ctl.err")
}

fail() {
    echo "FAIL: $*" >&2
    echo "  stdout: $OUT" >&2
    echo "  stderr: $ERR" >&2
    FAILURES=$((FAILURES + 1))
}

expect_status() { [ "$STATUS" = "$1" ] || fail "$2: exit status $STATUS, expected $1"; }
expect_out() { grep -qxF -- "$1" <<< "$OUT" || fail "stdout lacks line '$1'"; }
expect_err() { grep -qF -- "$1" <<< "$ERR" || fail "stderr lacks '$1'"; }

finish() {
    if [ "$FAILURES" -gt 0 ]; then
        echo "$FAILURES check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
    exit 0
}
