#!/usr/bin/env bash
# The device scan over a private JACK server (dummy driver, 128 frames at
# 48 kHz) with emulator processes, one port pair each:
#   - `vantorelctl --backend jack scan` with 8, 20 and 32 pairs (median of 3;
#     goal: at most 2.5 s, every device found);
#   - a device that answers "J" 700 ms late beside 7 prompt ones is found.
# Usage: bench_scan_jack.sh VANTORELCTL VANTOREL-EMULATOR
set -u
CTL=$1
EMU=$2
if ! command -v jackd > /dev/null; then
    echo "bench_scan_jack: jackd is not installed; skipped"
    exit 0
fi
# shellcheck source=bench/jack_server.sh
. "$(dirname "$0")/jack_server.sh"
start_jack_server vantorel-bench-scan
EMU_PIDS=()
stop_emulators() {
    for pid in "${EMU_PIDS[@]}"; do kill "$pid" 2> /dev/null; done
    for pid in "${EMU_PIDS[@]}"; do wait "$pid" 2> /dev/null; done
    EMU_PIDS=()
}
cleanup() {
    stop_emulators
    stop_jack_server
}
trap cleanup EXIT

# emulators N [ARGS-OF-THE-LAST...]: N emulators d1..dN with device IDs 1..N.
emulators() {
    local count=$1
    shift
    for n in $(seq 1 "$count"); do
        local extra=()
        [ "$n" = "$count" ] && extra=("$@")
        "$EMU" --name "d$n" --type P --device-id "$n" "${extra[@]}" > "$RUN/d$n.out" 2> "$RUN/d$n.log" &
        EMU_PIDS+=($!)
    done
    for n in $(seq 1 "$count"); do
        for _ in $(seq 1 100); do
            grep -q ready "$RUN/d$n.out" 2> /dev/null && break
            sleep 0.05
        done
    done
}
now_ms() { date +%s%3N; }
# scan: sets MS and FOUND (devices listed).
scan() {
    local start
    start=$(now_ms)
    "$CTL" --backend jack scan > "$RUN/scan.out" 2> "$RUN/scan.err" < /dev/null
    MS=$(($(now_ms) - start))
    FOUND=$(grep -c . "$RUN/scan.out")
}
median() { tr ' ' '\n' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

for pairs in 8 20 32; do
    emulators "$pairs"
    times=()
    found=()
    for _ in 1 2 3; do
        scan
        times+=("$MS")
        found+=("$FOUND")
    done
    stop_emulators
    echo "scan of $pairs port pairs: $(echo "${times[*]}" | median) ms (median of ${times[*]} ms; goal <= 2500)," \
        "devices found: ${found[*]} of $pairs"
done

emulators 8 --late J:700
scan
late=no
grep -q $'^d8:out\td8:in\t' "$RUN/scan.out" && late=yes
stop_emulators
echo "scan of 8 port pairs, one answering 700 ms late: $MS ms, devices found: $FOUND of 8, the late one found: $late"
