#!/usr/bin/env bash
# vantorelctl modes against the emulator process over a real JACK server.
. "$(dirname "$0")/lib.sh"

start_emulator emuB --type B
# The second slot is stored, but neither its acknowledgement nor those of its 5 retries arrive.
start_emulator emuE --type E --drop G:2:after --drop G:3:after --drop G:4:after --drop G:5:after \
    --drop G:6:after --drop G:7:after

# The emulator's defaults: three modes in use.
ctl emuB modes read
expect_status 0 "modes read"
expect_out "Slot 1: 0 DMX128 NO, MIDI channel 1, note C-1/0"
expect_out "Slot 2: 5 DMX256 NO/CC, MIDI channel 1, note C-1/0"
expect_out "Slot 3: 8 User Mode, MIDI channel 1, note C4/60"
expect_out "Modes count: 3"
[ "$(grep -c '^Slot ' <<< "$OUT")" = 3 ] || fail "modes read: expected three slot lines"
expect_err "Data ready."

# Fields a mode type does not use go out as channel 1 and note 0.
ctl emuB modes write 2:8:5:61 1:4:3:9 3:0:16:127
expect_status 0 "modes write"
expect_err "Writing data to device finished succesfully."
# G 01 04 03 00, G 02 08 01 3D, G 03 00 10 00 (as hex text), in slot order.
grep "^recv F0 00 31 34 56 47" "$WORK/emuB.log" | cut -c1-46 > "$WORK/g.txt"
cat > "$WORK/g.expected" <<'LINES'
recv F0 00 31 34 56 47 30 31 30 34 30 33 30 30
recv F0 00 31 34 56 47 30 32 30 38 30 31 33 44
recv F0 00 31 34 56 47 30 33 30 30 31 30 30 30
LINES
diff -q "$WORK/g.txt" "$WORK/g.expected" > /dev/null || fail "G payloads: $(cat "$WORK/g.txt")"

ctl emuB modes count 5
expect_status 0 "modes count 5"
expect_err "Writing Basic modes count..."
grep -q "^recv F0 00 31 34 56 49 30 35 30 30 30 30 30 30 " "$WORK/emuB.log" || fail "I 05000000 not received"

ctl emuB modes read
expect_status 0 "modes read after write"
expect_out "Slot 1: 4 DMX128 CC, MIDI channel 3, note C-1/0"
expect_out "Slot 2: 8 User Mode, MIDI channel 1, note C#4/61"
expect_out "Slot 3: 0 DMX128 NO, MIDI channel 16, note C-1/0"
expect_out "Slot 5: 9 DMX512 - 0%, MIDI channel 1, note C-1/0"
expect_out "Modes count: 5"

ctl emuB modes reset
expect_status 0 "modes reset"
expect_err "Reset Basic modes done."
ctl emuB modes read
expect_out "Slot 1: 0 DMX128 NO, MIDI channel 1, note C-1/0"
expect_out "Modes count: 3"

# The second acknowledgement never comes, however often it is asked for: slot 3 is not sent.
ctl emuE modes write 1:1:1:0 2:2:1:0 3:3:1:0
expect_status 1 "modes write without second acknowledgement"
expect_err "Writing data to device failed"
expect_err "1 of 3 mode(s) stored."
[ "$(grep -c '^recv F0 00 31 34 56 47' "$WORK/emuE.log")" = 7 ] || fail "expected slot 1 once and slot 2 six times"

# Bad arguments: refused before anything is sent.
before=$(grep -c '^recv' "$WORK/emuB.log")
for args in "modes" "modes list" "modes read 1" "modes count 0" "modes count 6" "modes count x" \
            "modes write" "modes write 0:0:1:0" "modes write 6:0:1:0" "modes write 1:16:1:0" \
            "modes write 1:0:0:0" "modes write 1:0:17:0" "modes write 1:0:1:128" "modes write 1:0:1" \
            "modes write 1:0:1:0:0" "modes write 1:a:1:0" "modes write 1:0:1:0 1:4:2:0" "modes reset now"; do
    # shellcheck disable=SC2086
    ctl emuB $args
    expect_status 2 "$args"
done
[ "$(grep -c '^recv' "$WORK/emuB.log")" = "$before" ] || fail "a refused command reached the device"

finish
