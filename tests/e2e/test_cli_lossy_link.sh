#!/usr/bin/env bash
# A lossy link over JACK: rows whose command or acknowledgement is lost are
# written again, random loss never ends in a success with a row missing, and
# vantorelctl reports the link's counts with --verbose and in --json.
. "$(dirname "$0")/lib.sh"

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
{
    printf '%s\r\n' "$HEADER"
    for n in $(seq 1 30); do printf '%d,Active,0,%d,Note On,C-1/0,C-1/0,Velocity,%d,,\r\n' "$n" $((n % 16 + 1)) "$n"; done
} > "$WORK/rows.csv"

# stop_last: ends the last emulator started, so that it writes --channels-out.
stop_last() {
    local pid=${EMULATOR_PIDS[-1]}
    kill "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
}

start_emulator clean --type P --channels-out "$WORK/clean.channels"
ctl clean channels write "$WORK/rows.csv"
expect_status 0 "clean write"
stop_last

start_emulator drops --type P --channels-out "$WORK/drops.channels" --drop C:5:after --drop C:9
ctl drops --verbose channels write "$WORK/rows.csv"
expect_status 0 "write with a lost acknowledgement and a lost row"
expect_err "Writing data to device finished succesfully."
grep -qE '^[0-9]+ sent, [0-9]+ retried, 0 lost$' <<< "$ERR" || fail "no link report on stderr"
grep -qE '^[0-9]+ sent, 0 retried' <<< "$ERR" && fail "nothing was retried"
ctl drops --json identify
expect_status 0 "identify"
grep -qE '"link": \{' <<< "$OUT" || fail "identify --json lacks \"link\""
stop_last
cmp -s "$WORK/drops.channels" "$WORK/clean.channels" || fail "the device does not hold the file after the drops"

for seed in 1 2 3; do
    start_emulator "lossy$seed" --type P --channels-out "$WORK/lossy$seed.channels" --loss 0.05 --seed "$seed"
    ctl "lossy$seed" channels write "$WORK/rows.csv"
    stop_last
    if [ "$STATUS" = 0 ]; then
        cmp -s "$WORK/lossy$seed.channels" "$WORK/clean.channels" || fail "seed $seed: success with the device different"
    else
        expect_status 1 "seed $seed: a failed lossy write"
    fi
done

finish
