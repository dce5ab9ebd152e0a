#!/usr/bin/env bash
# What vantorelctl says after lost replies, stalls and signals is what the
# device holds: emulator processes over a real JACK server, faults made with
# the emulator's --skip and --delay, SIGSTOP/SIGCONT and signals sent at
# points read from the emulator's log.
. "$(dirname "$0")/lib.sh"

# Command letters (F0 00 31 34 56 <letter>) and reply letters (F0 31 34 56 <letter>).
# Distinct commands: a retry (the same bytes again) is one command the device took.
recv_count() { grep "^recv F0 00 31 34 56 $2" "$WORK/$1.log" | sort -u | wc -l; }
send_count() { grep -c "^send F0 31 34 56 $2" "$WORK/$1.log"; }
# wait_for COUNT COMMAND...: polls until COMMAND prints at least COUNT (10 s at most).
wait_for() {
    local want=$1; shift
    for _ in $(seq 1 200); do
        [ "$("$@")" -ge "$want" ] 2> /dev/null && return 0
        sleep 0.05
    done
    fail "timed out waiting for $* to reach $want"
    return 1
}
# ctl_bg NAME ARGS...: vantorelctl in the background; its pid in $CTL_PID.
ctl_bg() {
    local name=$1; shift
    "$CTL" --backend jack --in "$name:out" --out "$name:in" "$@" > "$WORK/bg.out" 2> "$WORK/bg.err" &
    CTL_PID=$!
}
# ctl_wait: waits for the background vantorelctl; output in $OUT, $ERR, $STATUS.
ctl_wait() {
    wait "$CTL_PID"
    STATUS=$?
    OUT=$(cat "$WORK/bg.out")
    ERR=$(cat "$WORK/bg.err")
}
count_err() { grep -cF -- "$1" "$WORK/bg.err"; }
table() { # table FILE N: N channels, 001..N
    local header='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
    { printf '%s\r\n' "$header"
      for i in $(seq 1 "$2"); do printf '%03d,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,\r\n' "$i"; done; } > "$1"
}
table "$WORK/t40.csv" 40
table "$WORK/t100.csv" 100
table "$WORK/t200.csv" 200

# 1. --device-id: device 99 loses its answer to the scan's second round, so
# the scan pairs its input with another device's output; the pair is not
# confirmed and nothing reaches either device.
start_emulator pairA --type P --device-id 1
start_emulator pairV --type P --device-id 5
start_emulator pairX --type P --device-id 99 --skip j:2
ctl pairV channels write "$WORK/t40.csv"; expect_status 0 "channels write to V"
OUT=$("$CTL" --backend jack --device-id 99 clear 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
if grep -qF 'Device 99: input "pairX:out", output "pairX:in".' <<< "$ERR"; then
    expect_status 0 "clear on the confirmed pair"
else
    expect_status 1 "clear on an unconfirmed pair"
    expect_err "Device 99 could not be confirmed on pairX:out / "
fi
[ "$(recv_count pairV 41)" = 0 ] || fail "device V received the clear meant for device 99"
[ "$(recv_count pairA 41)" = 0 ] || fail "device A received the clear meant for device 99"

# 2. A device that stalls mid-dump: the backup is never a table cut short.
start_emulator stall --type P
ctl stall channels write "$WORK/t200.csv"; expect_status 0 "channels write of 200"
for command in "backup $WORK/stall.json" "channels read $WORK/stall.csv --twice"; do
    rm -f "$WORK/stall.json" "$WORK/stall.csv"
    before=$(send_count stall 62)
    # shellcheck disable=SC2086
    ctl_bg stall $command
    wait_for $((before + 50)) send_count stall 62
    kill -STOP "${EMULATOR_PIDS[3]}"
    # The first read ends cut short and the next one begins.
    wait_for 2 count_err "Reading data..."
    kill -CONT "${EMULATOR_PIDS[3]}"
    ctl_wait
    if [ "$STATUS" = 0 ]; then
        if [ -f "$WORK/stall.json" ]; then
            python3 -c 'import json,sys; sys.exit(len(json.load(open(sys.argv[1]))["channels"]) != 200)' \
                "$WORK/stall.json" || fail "$command: a backup cut short was saved"
        else
            [ "$(grep -c '^[0-9]' "$WORK/stall.csv")" = 200 ] || fail "$command: a table cut short was written"
        fi
    else
        expect_err "nothing was"
        [ ! -e "$WORK/stall.json" ] && [ ! -e "$WORK/stall.csv" ] || fail "$command: a file was written on failure"
    fi
done

# 4. A signal during the wait for the rest of a dump ends it at once: the old
# backup stays, nothing is reported as done. (The verify read-back waits for
# the 100 rows it wrote, also through a pause of the stream on a busy machine.)
printf 'old' > "$WORK/old.json"
for command in "backup $WORK/old.json" "channels diff $WORK/t200.csv" "channels write $WORK/t100.csv --verify"; do
    before=$(send_count stall 62)
    # shellcheck disable=SC2086
    ctl_bg stall $command
    wait_for $((before + 30)) send_count stall 62
    kill -INT "$CTL_PID"
    ctl_wait
    expect_status 130 "$command interrupted during the dump"
    ! grep -qE "Backup saved|Verified|holds the same" <<< "$ERR" || fail "$command: reported as done after a signal"
done
[ "$(cat "$WORK/old.json")" = old ] || fail "the old backup was replaced after a signal"

# 5. Cancels: said once; a signal before the first byte sends nothing; counts
# from acknowledgements.
start_emulator slow --type B --delay 150
before=$(recv_count slow 43)
ctl_bg slow channels write "$WORK/t40.csv"
wait_for $((before + 3)) recv_count slow 43
kill -INT "$CTL_PID"
ctl_wait
expect_status 130 "channels write interrupted"
[ "$(count_err "Cancelled:")" = 1 ] || fail "the cancel was not said exactly once"
acked=$(sed -n 's/^Cancelled: \([0-9]*\) of 40 channels written\.$/\1/p' <<< "$ERR")
[ "$acked" = "$(($(recv_count slow 43) - before))" ] || fail "written count $acked is not what the device took"

# (A client killed while it joins the JACK graph may take its peer along:
# this device is used for nothing else.)
start_emulator early --type P
# A script's background command starts with SIGINT ignored, so a signal sent
# before the program has set its handler would be lost; a terminal's Ctrl+C is
# not. As in an interactive shell, the job starts with the default action
# (job control), kept through env should this script itself ignore SIGINT.
# The JACK server stands still until the signal is in, so that nothing can
# have gone out before it, whether the handler is set by then or not.
jackd_pid=$(cat "$RUN_DIR/jackd.pid")
kill -STOP "$jackd_pid"
(sleep 2; kill -CONT "$jackd_pid") &
set -m
env --default-signal=INT "$CTL" --backend jack --in early:out --out early:in clear > /dev/null 2> "$WORK/early.err" &
early_pid=$!
set +m
sleep 0.3
kill -INT $early_pid
kill -CONT "$jackd_pid"
wait $early_pid
[ "$(recv_count early 41)" = 0 ] || fail "a signal at the start still sent the clear"

start_emulator modes --type B --delay 150
ctl_bg modes modes write 1:1:1:0 2:1:1:0 3:1:1:0 4:1:1:0
wait_for 2 recv_count modes 47
kill -INT "$CTL_PID"
ctl_wait
expect_status 130 "modes write interrupted"
expect_err "Cancelled: $(recv_count modes 47) of 4 mode(s) stored."

# 3. Restore reports say what reached the device, part by part.
start_emulator src --type B
ctl src modes write 1:1:1:0 2:2:1:0 3:3:1:0; expect_status 0 "modes write"
ctl src modes count 3; expect_status 0 "modes count"
ctl src channels write "$WORK/t40.csv"; expect_status 0 "channels write"
ctl src backup "$WORK/b.json"; expect_status 0 "backup"
start_emulator gskip --type B --drop G:2:after --drop G:3:after --drop G:4:after --drop G:5:after \
    --drop G:6:after --drop G:7:after
ctl gskip restore "$WORK/b.json"
expect_status 1 "restore with the second mode unacknowledged"
expect_err "Options: 2 of 2 written."
expect_err "Modes: 1 of 3 slots written; the number in use was not written."
expect_err "Channels: not touched; the device keeps its table."

start_emulator victim --type B --delay 40
before=$(recv_count victim 43)
ctl_bg victim restore "$WORK/b.json"
wait_for $((before + 5)) recv_count victim 43
kill -INT "$CTL_PID"
ctl_wait
expect_status 130 "restore interrupted during the channels"
written=$(($(recv_count victim 43) - before))
expect_err "Channels: the device's table was cleared; $written of 40 written. The device now holds $written channel(s)."
expect_err "Modes: 3 of 3 slots written, 3 in use."

# The bootloader: a signal between "N" and its Idle says where the device is.
start_emulator boot --type B --delay 300
BIXPACK="$(dirname "$CTL")/tools/bixpack/vantorel-bixpack"
"$BIXPACK" --make-image 1000 B "05-01-2030 08:30" "$WORK/basic.bin" && "$BIXPACK" "$WORK/basic.bin" "$WORK/basic.bix" \
    || fail "no firmware file"
ctl_bg boot firmware upload "$WORK/basic.bix"
wait_for 1 recv_count boot 4E
kill -INT "$CTL_PID"
ctl_wait
expect_status 130 "upload interrupted after N"
expect_err "the device now waits in its bootloader"
# During the upload: the cancel is said once.
start_emulator boot2 --type B --delay 100
ctl_bg boot2 firmware upload "$WORK/basic.bix"
wait_for 2 recv_count boot2 68
kill -INT "$CTL_PID"
ctl_wait
expect_status 130 "upload interrupted during the blocks"
[ "$(count_err "Cancelled:")" = 1 ] || fail "the upload's cancel was not said exactly once"

# 9. Small texts: --json failures, no valid firmware, an unknown edition.
start_emulator mute --type P --never-answer
ctl mute identify --json
expect_status 1 "identify --json without an answer"
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); sys.exit(not (d["exit"] == 1 and d["error"]))' "$OUT" \
    || fail "--json failure document"
start_emulator nofw --type B --firmware-date 0
ctl nofw identify; expect_status 0 "identify without firmware"
expect_out "Firmware date: none"
ctl nofw backup "$WORK/nofw.json"; expect_status 0 "backup without firmware"
expect_err "firmware none."
! grep -q firmwareDate "$WORK/nofw.json" || fail "a firmware date 0 was saved"
start_emulator zed --type Z
ctl zed backup "$WORK/zed.json"; expect_status 3 "backup of an unknown edition"
expect_err "an edition this program does not know: Z"

# 7. A device that answers late is still found by a scan (the other devices
# are gone first: every port is a JACK client of its own, slow to open).
for pid in "${EMULATOR_PIDS[@]}"; do kill "$pid" 2> /dev/null; done
start_emulator late --type E --device-id 700 --delay 700
OUT=$("$CTL" --backend jack scan 2> "$WORK/ctl.err"); ERR=$(cat "$WORK/ctl.err")
grep -qP '^late:out\tlate:in\tVANTOREL Eco\t000700\t' <<< "$OUT" || fail "the scan missed a device answering after 700 ms"

finish
