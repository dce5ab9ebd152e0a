#!/usr/bin/env bash
# Several devices on one JACK server: scan, --device-id, --json, progress on a
# terminal, and Ctrl+C / SIGTERM in the middle of a transfer.
. "$(dirname "$0")/lib.sh"

start_emulator emuP --type P --device-id 42
start_emulator emuB --type B --device-id 7

json() { python3 -c "import json,sys; d=json.load(sys.stdin); print($1)" <<< "$OUT"; }

# --------------------------------------------------------------- scan
START=$(date +%s%N)
OUT=$("$CTL" --backend jack scan 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
ELAPSED_MS=$(( ($(date +%s%N) - START) / 1000000 ))
expect_status 0 "scan"
expect_out "$(printf 'emuP:out\temuP:in\tVANTOREL Pro\t000042\t2018-04-24 10:24')"
expect_out "$(printf 'emuB:out\temuB:in\tVANTOREL Basic\t000007\t2018-04-24 10:24')"
[ "$(wc -l <<< "$OUT")" = 2 ] || fail "scan: not one line per device"
# The scan itself ends within 2.5 s; the rest is starting the process.
[ "$ELAPSED_MS" -lt 3000 ] || fail "scan took $ELAPSED_MS ms"

OUT=$("$CTL" --backend jack scan --json 2> /dev/null); STATUS=$?
expect_status 0 "scan --json"
[ "$(json "[(x['input'], x['output'], x['type'], x['deviceId']) for x in d['devices']]")" \
    = "[('emuP:out', 'emuP:in', 'P', 42), ('emuB:out', 'emuB:in', 'B', 7)]" ] || fail "scan --json: $OUT"

# ---------------------------------------------------------- --device-id
OUT=$("$CTL" --backend jack --device-id 7 identify 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
expect_status 0 "--device-id 7 identify"
expect_out "Device type: VANTOREL Basic"
OUT=$("$CTL" --backend jack --device-id 42 identify --json 2> /dev/null); STATUS=$?
expect_status 0 "--device-id 42 identify --json"
[ "$(json "(d['type'], d['typeName'], d['deviceId'], d['firmwareDate'])")" \
    = "('P', 'VANTOREL Pro', 42, '2018-04-24 10:24')" ] || fail "identify --json: $OUT"
OUT=$("$CTL" --backend jack --device-id 99 identify 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
expect_status 1 "--device-id of no device"
expect_err "No device with the ID 99 answered."
OUT=$("$CTL" --backend jack --device-id 7 --in emuB:out identify 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
expect_status 2 "--device-id with --in"

# ---------------------------------------------------------------- --json
ctl emuB options --json
expect_status 0 "options --json"
[ "$(json "(d['noteOff'], d['zeroValueOffset'])")" = "(False, 0)" ] || fail "options --json: $OUT"
ctl emuB modes read --json
expect_status 0 "modes read --json"
[ "$(json "(len(d['modes']) == d['count'] > 0, sorted(d['modes'][0]))")" \
    = "(True, ['channel', 'note', 'noteName', 'slot', 'type', 'typeName'])" ] || fail "modes read --json: $OUT"
ctl emuB ports --json
[ "$(json "('emuB:out' in d['inputs'], 'emuB:in' in d['outputs'])")" = "(True, True)" ] || fail "ports --json: $OUT"
ctl emuB clear --json
expect_status 2 "--json of a command without a result"
OUT=$("$CTL" firmware info "$(dirname "$0")/../data/firmware/pro_tail.bix" --json 2> /dev/null); STATUS=$?
expect_status 0 "firmware info --json"
[ "$(json "(d['type'], d['date'], d['imageSize'], len(d['imageSha256']))")" = "('P', '2020-07-15 08:05', 489, 64)" ] \
    || fail "firmware info --json: $OUT"

# Ports that appear and vanish while the tool is used.
start_emulator emuLate --type E --device-id 3
ctl emuB ports --json
[ "$(json "'emuLate:out' in d['inputs']")" = True ] || fail "a new emulator's port is not listed: $OUT"
kill "${EMULATOR_PIDS[-1]}"; wait "${EMULATOR_PIDS[-1]}" 2> /dev/null
ctl emuB ports --json
[ "$(json "'emuLate:out' in d['inputs']")" = False ] || fail "a vanished emulator's port is still listed: $OUT"

# ------------------------------------------------------------- progress
# Not a terminal: nothing but the status lines.
ctl emuP clear
expect_status 0 "clear"
grep -q $'\r' <<< "$ERR" && fail "progress drawn on a pipe"
# A terminal (a pseudo-terminal from script): the bar with the wait's seconds.
script -qfec "'$CTL' --backend jack --in emuP:out --out emuP:in clear" /dev/null > "$WORK/tty.txt" 2>&1
grep -qF '] 0/8 s' "$WORK/tty.txt" || fail "no progress bar on a terminal: $(cat -A "$WORK/tty.txt")"
grep -qF 'Data in device cleaned.' "$WORK/tty.txt" || fail "terminal run did not finish"

# ------------------------------------------- Ctrl+C during a 512-row write
HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
{ printf '%s\r\n' "$HEADER"; for i in $(seq 1 512); do printf '%03d,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n' "$i"; done; } \
    > "$WORK/512.csv"

# interrupt SIGNAL: writes the 512 rows to emuP and sends SIGNAL once 40 are written.
interrupt() {
    ctl emuP clear
    rm -f "$WORK/write.err"
    "$CTL" --backend jack --in emuP:out --out emuP:in channels write "$WORK/512.csv" 2> "$WORK/write.err" &
    local pid=$!
    for _ in $(seq 1 200); do
        grep -q "(40 of 512)" "$WORK/write.err" 2> /dev/null && break
        sleep 0.05
    done
    kill -"$1" "$pid"
    wait "$pid"
    STATUS=$?
    ERR=$(cat "$WORK/write.err")
    expect_status 130 "SIG$1 during channels write"
    WRITTEN=$(sed -n 's/^Cancelled: \([0-9]*\) of 512 channels written\.$/\1/p' <<< "$ERR")
    [ -n "$WRITTEN" ] && [ "$WRITTEN" -ge 40 ] && [ "$WRITTEN" -lt 512 ] || { fail "SIG$1: no cancel report"; return; }
    # The device holds exactly the acknowledged rows.
    ctl emuP channels read
    [ "$(grep -c '^[0-9]' <<< "$OUT")" = "$WRITTEN" ] || fail "SIG$1: device holds $(grep -c '^[0-9]' <<< "$OUT"), not $WRITTEN"
}
interrupt INT
interrupt TERM

finish
