#!/usr/bin/env bash
# A scan over many JACK port pairs at once: every device is found and paired
# with its own ports, and a device whose client vanishes while the scan runs
# is left out, without a crash.
. "$(dirname "$0")/lib.sh"

for n in $(seq 1 10); do start_emulator "m$n" --type P --device-id "$n"; done

# pairs: the "input output id" triples of the scan's output ($OUT), sorted.
pairs() { awk -F'\t' '{print $1, $2, $4 + 0}' <<< "$OUT" | sort; }

OUT=$("$CTL" --backend jack scan 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
expect_status 0 "scan of 10 pairs"
expected=$(for n in $(seq 1 10); do echo "m$n:out m$n:in $n"; done | sort)
[ "$(pairs)" = "$expected" ] || fail "scan of 10 pairs: $(pairs | tr '\n' ';')"

# A silent device keeps the scan waiting for 2 s; the victim answers the first
# request and is killed 1 s into the scan.
start_emulator silent --type P --device-id 99 --never-answer
start_emulator victim --type B --device-id 77
"$CTL" --backend jack scan > "$WORK/scan.out" 2> "$WORK/scan.err" &
scan_pid=$!
sleep 1
kill -9 "${EMULATOR_PIDS[-1]}"
wait "${EMULATOR_PIDS[-1]}" 2> /dev/null
wait "$scan_pid"
STATUS=$?
OUT=$(cat "$WORK/scan.out")
ERR=$(cat "$WORK/scan.err")
expect_status 0 "scan while a device vanishes"
[ "$(pairs)" = "$expected" ] || fail "scan while a device vanishes: $(pairs | tr '\n' ';')"

# A JACK server stalled for 0.3 s during the rounds pairs no device wrongly (its own shell wakes it).
(sleep 0.7; kill -STOP "$(cat "$RUN_DIR/jackd.pid")"; sleep 0.3; kill -CONT "$(cat "$RUN_DIR/jackd.pid")") &
stall_pid=$!
OUT=$("$CTL" --backend jack scan 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
wait "$stall_pid"
expect_status 0 "scan while the JACK server stalls"
[ "$(pairs)" = "$expected" ] || fail "scan while the JACK server stalls: $(pairs | tr '\n' ';')"

finish
