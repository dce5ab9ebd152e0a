#!/usr/bin/env bash
# Faults over a real JACK server: the device's JACK client disappears in the
# middle of a transfer (the emulator process is killed), and comes back.
# vantorelctl ends with the operation's failure text and exit status 1 within
# a few seconds, the file in hand is unchanged, and the next command against
# the device that came back works.
. "$(dirname "$0")/lib.sh"

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'

# kill_emulator: the last emulator started disappears without a word.
kill_emulator() {
    local pid=${EMULATOR_PIDS[-1]}
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# gone NAME: waits until the JACK server has dropped the client's ports.
gone() {
    for _ in $(seq 1 50); do
        jack_lsp 2> /dev/null < /dev/null | grep -q "^$1:" || return 0
        sleep 0.1
    done
}

# ctl_background NAME ARGS...: like ctl, but returns at once; ctl_wait SECONDS
# collects OUT, ERR and STATUS, or fails when the command does not end in time.
ctl_background() {
    local name=$1; shift
    "$CTL" --backend jack --in "$name:out" --out "$name:in" "$@" > "$WORK/bg.out" 2> "$WORK/bg.err" &
    CTL_PID=$!
    CTL_START=$(date +%s)
}
ctl_wait() {
    local limit=$1
    for _ in $(seq 1 $((limit * 10))); do
        kill -0 "$CTL_PID" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$CTL_PID" 2>/dev/null; then
        kill "$CTL_PID"
        fail "vantorelctl did not end within $limit s"
    fi
    wait "$CTL_PID"
    STATUS=$?
    OUT=$(cat "$WORK/bg.out")
    ERR=$(cat "$WORK/bg.err")
    ELAPSED=$(( $(date +%s) - CTL_START ))
}

# await_err TEXT: waits until the background command has said TEXT (10 s at most).
await_err() {
    for _ in $(seq 1 200); do
        grep -qF "$1" "$WORK/bg.err" 2>/dev/null && return
        sleep 0.05
    done
}

# A channel write of 300 rows, 20 ms per acknowledgement: the device goes
# away after about a second.
{
    printf '%s\r\n' "$HEADER"
    for n in $(seq 1 300); do printf '%d,Active,0,%d,Note On,C-1/0,C-1/0,Velocity,0,row %d,\r\n' "$n" $((n % 16 + 1)) "$n"; done
} > "$WORK/big.csv"
cp "$WORK/big.csv" "$WORK/big.orig"

start_emulator victim --type P --delay 20
ctl_background victim channels write "$WORK/big.csv"
await_err "(10 of 300)"
kill_emulator
CTL_START=$(date +%s)   # the time to give up counts from the fault
ctl_wait 15
expect_status 1 "write when the device disappears"
expect_err "Writing data to device failed."
written=$(grep -o '^[0-9]* of 300 channel(s) written\.' <<< "$ERR" | cut -d' ' -f1)
[ -n "$written" ] && [ "$written" -gt 0 ] && [ "$written" -lt 300 ] || fail "rows written before the fault: '$written'"
[ "$ELAPSED" -le 8 ] || fail "the write took $ELAPSED s to give up"
cmp -s "$WORK/big.csv" "$WORK/big.orig" || fail "the file being written changed"

# The device comes back under the same name: the next command finds it.
gone victim
start_emulator victim --type P
ctl victim channels write "$WORK/big.csv"
expect_status 0 "write after the device came back"
expect_err "Writing data to device finished succesfully."

# A read whose device disappears in the middle of its dump (the device now
# holds the 300 rows): no partial table reaches the file.
printf '%s\r\n' "$HEADER" '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,kept,' > "$WORK/kept.csv"
cp "$WORK/kept.csv" "$WORK/kept.orig"
ctl_background victim channels read "$WORK/kept.csv"
await_err "Received channel 040."
kill_emulator
CTL_START=$(date +%s)
ctl_wait 10
expect_status 1 "read when the device disappears mid-dump"
expect_err "The MIDI port victim:"
expect_err "has disappeared."
expect_err "nothing was written"
grep -q "Received channel 040." <<< "$ERR" || fail "the dump had not begun when the device was killed"
grep -q "Received channel 300." <<< "$ERR" && fail "the dump ended before the device was killed"
[ "$ELAPSED" -le 3 ] || fail "the read took $ELAPSED s to notice the vanished port"
cmp -s "$WORK/kept.csv" "$WORK/kept.orig" || fail "a partial table replaced the file"
gone victim

# A read whose device disappears before it answers leaves the file as it was.
start_emulator slow --type P --delay 3000
ctl_background slow channels read "$WORK/kept.csv"
sleep 0.5
kill_emulator
ctl_wait 10
expect_status 1 "read when the device disappears"
expect_err "No data received."
cmp -s "$WORK/kept.csv" "$WORK/kept.orig" || fail "the file to be replaced changed"

# A firmware upload whose bootloader disappears between two blocks.
BIXPACK="$(dirname "$CTL")/tools/bixpack/vantorel-bixpack"
"$BIXPACK" --make-image 40000 B "05-01-2019 08:30" "$WORK/fw.bin" || exit 1
"$BIXPACK" "$WORK/fw.bin" "$WORK/fw.bix" || exit 1
cp "$WORK/fw.bix" "$WORK/fw.orig"
start_emulator loader --type B
ctl_background loader firmware upload "$WORK/fw.bix"
await_err "Transfering data block #001"
sleep 1
kill_emulator
ctl_wait 15
expect_status 1 "upload when the bootloader disappears"
expect_err "Block write timeout..."
grep -q "Upgrade ready" <<< "$ERR" && fail "the upload claims success"
cmp -s "$WORK/fw.bix" "$WORK/fw.orig" || fail "the firmware file changed"

finish
