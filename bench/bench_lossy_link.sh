#!/usr/bin/env bash
# The link under injected faults, over a private JACK server (dummy driver,
# 128 frames at 48 kHz) with the emulator process, timed against a clean run
# in the same bench run:
#   - a clean 512-row write (median of 3);
#   - 10 lost acknowledgements, and separately 10 lost "C", in a 512-row write;
#   - 1 % random loss in both directions, 10 seeds, write with --verify;
#   - 5 % loss, 10 seeds: a run ends identical or fails, never a false success;
#   - acknowledgements 300 ms late: no retry after the first 20 rows;
#   - a silent device: write, read and identify fail as before (about 2 s).
# "Identical" compares the rows the emulator holds at its end (--channels-out)
# with those of the clean run.
# Usage: bench_lossy_link.sh VANTORELCTL VANTOREL-EMULATOR
set -u
CTL=$(realpath "$1")
EMU=$2
if ! command -v jackd > /dev/null; then
    echo "bench_lossy_link: jackd is not installed; skipped"
    exit 0
fi
# shellcheck source=bench/jack_server.sh
. "$(dirname "$0")/jack_server.sh"
start_jack_server vantorel-bench
EMU_PID=
cleanup() {
    [ -n "$EMU_PID" ] && kill "$EMU_PID" 2> /dev/null
    stop_jack_server
}
trap cleanup EXIT

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
table() { # table ROWS FILE
    {
        printf '%s\r\n' "$HEADER"
        for n in $(seq 1 "$1"); do
            printf '%d,Active,0,%d,Note On,C-1/0,C-1/0,Velocity,%d,,\r\n' "$n" $((n % 16 + 1)) $((n % 100))
        done
    } > "$2"
}
table 512 "$RUN/512.csv"
table 40 "$RUN/40.csv"

now_ms() { date +%s%3N; }
RUNS=0
# run EMULATOR-ARGS... -- VANTORELCTL-ARGS...: a fresh emulator, one command;
# sets STATUS, MS, ERR, LINK (the --verbose line) and CHANNELS (what the device holds).
run() {
    local emu=()
    while [ "$1" != "--" ]; do emu+=("$1"); shift; done
    shift
    RUNS=$((RUNS + 1))
    local name="bench$RUNS"
    "$EMU" --name "$name" --type P --channels-out "$RUN/$name.channels" "${emu[@]}" > "$RUN/$name.out" 2> "$RUN/$name.log" &
    EMU_PID=$!
    for _ in $(seq 1 100); do
        grep -q ready "$RUN/$name.out" 2> /dev/null && break
        sleep 0.05
    done
    local start
    start=$(now_ms)
    # A crash leaves its core in a folder of its own, and its stack is printed.
    mkdir -p "$RUN/core"
    (
        ulimit -c unlimited 2> /dev/null
        cd "$RUN/core" && exec "$CTL" --backend jack --in "$name:out" --out "$name:in" --verbose "$@"
    ) > "$RUN/ctl.out" 2> "$RUN/ctl.err" < /dev/null
    STATUS=$?
    MS=$(($(now_ms) - start))
    kill "$EMU_PID"
    wait "$EMU_PID" 2> /dev/null
    EMU_PID=
    ERR=$(cat "$RUN/ctl.err")
    LINK=$(grep -E '^[0-9]+ sent, [0-9]+ retried, [0-9]+ lost$' "$RUN/ctl.err" | head -1)
    CHANNELS="$RUN/$name.channels"
    EMU_LOG="$RUN/$name.log"
    local core
    core=$(find "$RUN/core" -name 'core*' -type f | head -1)
    if [ "$STATUS" -ge 128 ]; then
        echo "vantorelctl ended by signal $((STATUS - 128)) in run $name ($*)"
        if [ -n "$core" ] && command -v gdb > /dev/null; then
            gdb -q -batch -ex 'thread apply all bt 20' "$CTL" "$core" 2>&1 | grep -v '^\[New LWP' | sed 's/^/    /'
        fi
    fi
    rm -f "$RUN"/core/core*
}
median() { tr ' ' '\n' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# Clean.
times=()
for _ in 1 2 3; do
    run -- channels write "$RUN/512.csv"
    [ "$STATUS" = 0 ] || echo "clean write failed: $ERR"
    times+=("$MS")
    cp "$CHANNELS" "$RUN/clean.channels"
done
CLEAN=$(echo "${times[*]}" | median)
echo "clean 512-row write: $CLEAN ms (median of ${times[*]} ms) [$LINK]"
run -- channels write "$RUN/512.csv" --verify
CLEAN_VERIFY=$MS
echo "clean 512-row write with --verify: $CLEAN_VERIFY ms, exit $STATUS [$LINK]"

# 10 lost acknowledgements / 10 lost commands.
for when in after before; do
    drops=()
    for n in 25 75 125 175 225 275 325 375 425 475; do drops+=(--drop "C:$n:$when"); done
    run "${drops[@]}" -- channels write "$RUN/512.csv"
    same=no
    cmp -s "$CHANNELS" "$RUN/clean.channels" && same=yes
    what=$([ $when = after ] && echo "acknowledgements" || echo '"C" commands')
    echo "10 lost $what: $MS ms = $(ratio "$MS" "$CLEAN") x clean (goal <= 1.25), exit $STATUS, identical $same [$LINK]"
done

# Random loss.
for loss in 0.01 0.05; do
    times=()
    identical=0 failed=0 false_success=0
    for seed in $(seq 1 10); do
        run --loss "$loss" --seed "$seed" -- channels write "$RUN/512.csv" --verify
        times+=("$MS")
        if cmp -s "$CHANNELS" "$RUN/clean.channels"; then same=1; else same=0; fi
        if [ "$STATUS" = 0 ] && [ $same = 1 ]; then
            identical=$((identical + 1))
        elif [ "$STATUS" = 0 ]; then
            false_success=$((false_success + 1))
        else
            failed=$((failed + 1))
        fi
        echo "  loss $loss seed $seed: exit $STATUS, identical $same, $MS ms [$LINK]"
    done
    m=$(echo "${times[*]}" | median)
    echo "loss $loss, 10 seeds, write --verify: $identical exit 0 and identical, $failed failed," \
        "$false_success false success; median $m ms = $(ratio "$m" "$CLEAN_VERIFY") x clean write with verify"
done

# Late acknowledgements: which rows were sent more than once.
run --late C:300 -- channels write "$RUN/40.csv"
last_retry=$(grep -E '^recv F0 00 31 34 56 43 ' "$EMU_LOG" | awk '{if ($0 == prev) print rows; else rows++; prev = $0}' | tail -1)
echo "acknowledgements 300 ms late, 40 rows: $MS ms, exit $STATUS, last row retried: ${last_retry:-none} (goal: none after 20) [$LINK]"

# A silent device.
for command in "channels write $RUN/40.csv" "channels read" "identify"; do
    # shellcheck disable=SC2086
    run --never-answer -- $command
    echo "silent device, ${command%% /*}: $MS ms, exit $STATUS, last line: $(tail -1 <<< "$ERR" | tr -d '\r')"
done
