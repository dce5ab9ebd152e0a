#!/usr/bin/env bash
# vantorelctl against the emulator process over a real JACK server.
. "$(dirname "$0")/lib.sh"

start_emulator emuP --type P --device-id 42
start_emulator emuB --type B

ctl emuP identify
expect_status 0 "identify"
expect_out "Device type: VANTOREL Pro"
expect_out "Device ID: 000042"
expect_err "Data ready."
grep -q "F0 00 31 34 56 4A 30 30 30 30 30 30 30 30 F7" "$WORK/emuP.log" || fail "emulator did not receive the J command byte for byte"

ctl emuB identify
expect_status 0 "identify B"
expect_out "Device type: VANTOREL Basic"

# An edition this program does not know is named by its letter.
start_emulator emuQ --type Q
ctl emuQ identify
expect_status 0 "identify Q"
expect_out "Device type: unknown (Q)"

ctl emuP options --note-off on
expect_status 0 "options --note-off on"
expect_err "Note Off activity changed."
grep -q "F0 00 31 34 56 4C 30 31 30 30 30 30 30 30 42 37 38 36 37 46 36 36 F7" "$WORK/emuP.log" \
    || fail "L 01000000 not received byte for byte"

ctl emuP options --zero-offset 10
expect_status 0 "options --zero-offset 10"
expect_err "Zero Value Offset changed."

ctl emuP options
expect_status 0 "options"
expect_out "Use Note Off: on"
expect_out "CC Zero Value Offset: 10"

ctl emuP restart
expect_status 0 "restart"
expect_err "Reset device done."

ctl emuP clear
expect_status 0 "clear"
expect_err "Data in device cleaned."

ctl emuB raw D
expect_status 0 "raw D"
expect_out "F0 31 34 56 64 F7"
expect_out "80 00 01"

ctl emuP options --zero-offset 11
expect_status 2 "zero offset out of range"

ctl emuP raw XY
expect_status 2 "two-letter raw command"

ctl emuP ports
expect_status 0 "ports"
expect_out "  emuP:out"
expect_out "  emuP:in"

finish
