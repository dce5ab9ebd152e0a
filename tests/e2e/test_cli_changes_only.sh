#!/usr/bin/env bash
# vantorelctl channels write --verify repairing a lossy read-back, and
# channels write --changes-only [--prune], against the emulator process over JACK.
. "$(dirname "$0")/lib.sh"

start_emulator emuLossy --type P --skip b:3
start_emulator emuChanges --type P

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
row() { echo "$1,Active,0,$2,Note On,C-1/0,C-1/0,Velocity,0,,"; }
# Letters of the commands emulator $1 received after its first $2 commands.
# What the link's timing decides is left out: a retry (the same bytes again
# right after) counts once, the settling "M" after a late acknowledgement not.
letters() {
    grep '^recv F0 00 31 34 56 ' "$WORK/$1.log" | tail -n +$(($2 + 1)) | uniq | while read -r -a bytes; do
        [ "${bytes[6]}" = 4D ] || printf "\\x${bytes[6]}"
    done
}
commands() { grep -c '^recv F0 00 31 34 56 ' "$WORK/$1.log"; }

printf '%s\r\n' "$HEADER" "$(row 001 1)" "$(row 002 1)" "$(row 003 1)" "$(row 004 1)" > "$WORK/four.csv"
printf '%s\r\n' "$HEADER" "$(row 001 1)" "$(row 002 9)" "$(row 003 1)" "$(row 004 1)" "$(row 005 1)" > "$WORK/changed.csv"

# The third channel of the read-back is lost: it is written again and read back again.
ctl emuLossy channels write "$WORK/four.csv" --verify
expect_status 0 "write --verify with a lost read-back reply"
expect_err "Verified after 1 repair: 4 channels match."
[ "$(letters emuLossy 0)" = CCCCBCB ] || fail "lossy verify: commands $(letters emuLossy 0)"

# Usage: the options belong together and to "channels write".
for args in "channels write $WORK/four.csv --prune" "channels diff $WORK/four.csv --changes-only"; do
    ctl emuChanges $args
    expect_status 2 "$args"
done

ctl emuChanges channels write "$WORK/four.csv"
expect_status 0 "first write"
# 002 differs and 005 is new; nothing to prune.
before=$(commands emuChanges)
ctl emuChanges channels write "$WORK/changed.csv" --changes-only
expect_status 0 "write --changes-only"
expect_err "2 of 5 channel(s) differed from the device and were written."
expect_err "Verified: 5 channels match."
[ "$(letters emuChanges "$before")" = BCCB ] || fail "changes only: commands $(letters emuChanges "$before")"

# The device holds 003 to 005 beyond the file: named and left alone, or cleared with --prune.
printf '%s\r\n' "$HEADER" "$(row 001 1)" "$(row 002 9)" > "$WORK/two.csv"
before=$(commands emuChanges)
ctl emuChanges channels write "$WORK/two.csv" --changes-only
expect_status 0 "write --changes-only with channels only in the device"
expect_err "The device also holds 3 channel(s) that the file lacks: 003, 004, 005. They are left alone"
expect_err "The device already holds these 2 channels: nothing was written."
[ "$(letters emuChanges "$before")" = B ] || fail "nothing to write: commands $(letters emuChanges "$before")"
before=$(commands emuChanges)
ctl emuChanges channels write "$WORK/two.csv" --changes-only --prune
expect_status 0 "write --changes-only --prune"
[ "$(letters emuChanges "$before")" = BACCB ] || fail "prune: commands $(letters emuChanges "$before")"
ctl emuChanges channels diff "$WORK/two.csv"
expect_status 0 "the device holds exactly the file after --prune"

finish
