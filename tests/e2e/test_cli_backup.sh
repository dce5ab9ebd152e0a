#!/usr/bin/env bash
# vantorelctl channels write --verify, channels diff, backup and restore
# against emulator processes over a real JACK server.
. "$(dirname "$0")/lib.sh"

start_emulator emuSrc --type B --device-id 4711
start_emulator emuDst --type B
start_emulator emuPro --type P
start_emulator emuAlter --type P --alter-channel 7

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
printf '%s\r\n' "$HEADER" \
    '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '007,Active,0,16,Note On,C-0/12      ,C-0/12      ,Velocity,0,spot,' \
    '300,Active,0,2,Control Change,G-0/19,A-0/21,Value,200,,' \
    '512,Value,255,1,Note On,C-1/0,C-1/0,Velocity,0,,' > "$WORK/table.csv"

received() { grep -c '^recv' "$WORK/$1.log"; }

# Verify after write: the altered channel is found and named.
ctl emuAlter channels write "$WORK/table.csv" --verify
expect_status 5 "write --verify with a channel stored differently"
expect_out "Channel 007: MIDI ch. 16 written, 15 in the device."
ctl emuPro channels write "$WORK/table.csv" --verify
expect_status 0 "write --verify"
expect_err "Verified: 4 channels match."

# diff: same, then different.
ctl emuPro channels diff "$WORK/table.csv"
expect_status 0 "diff of the same table"
[ -z "$OUT" ] || fail "diff printed differences for the same table"
sed 's/^300,Active,0,2,/300,Active,0,3,/' "$WORK/table.csv" > "$WORK/changed.csv"
ctl emuPro channels diff "$WORK/changed.csv"
expect_status 5 "diff of a changed table"
expect_out "Channel 300: MIDI ch. 3 in the file, 2 in the device."

# A Basic device far from its defaults, backed up and restored to another.
ctl emuSrc options --note-off on;        expect_status 0 "note off"
ctl emuSrc options --zero-offset 6;      expect_status 0 "zero offset"
ctl emuSrc modes write 1:3:5:0 2:8:1:61; expect_status 0 "modes write"
ctl emuSrc modes count 4;                expect_status 0 "modes count"
ctl emuSrc channels write "$WORK/table.csv"; expect_status 0 "channels write"
ctl emuSrc backup "$WORK/src.json"
expect_status 0 "backup"
expect_err "Identity: VANTOREL Basic, ID 004711"
expect_err "Channels: 4."
grep -q '"format": "VANTOREL device backup"' "$WORK/src.json" || fail "backup file lacks its format"

ctl emuDst restore "$WORK/src.json" --verify
expect_status 0 "restore --verify"
expect_err "Options written."
expect_err "Basic/Eco modes written: 4 in use."
expect_err "Channels written: 4."
expect_err "Verified: the device holds what the backup holds."
ctl emuDst backup "$WORK/dst.json"
expect_status 0 "backup of the restored device"
# Everything but the identity and the time of the backup is the same.
python3 - "$WORK/src.json" "$WORK/dst.json" <<'PY' || fail "restored device differs from the source"
import json, sys
a, b = (json.load(open(f)) for f in sys.argv[1:3])
for d in (a, b):
    d.pop("created"); d["device"].pop("id")
sys.exit(0 if a == b else 1)
PY

# Another edition needs --force; a Pro takes no modes.
before=$(received emuPro)
ctl emuPro restore "$WORK/src.json"
expect_status 3 "restore to another edition"
expect_err "Use --force"
[ "$(received emuPro)" = $((before + 1)) ] || fail "more than the identification reached the device"
ctl emuPro restore "$WORK/src.json" --force
expect_status 0 "restore --force"
expect_err "Basic/Eco modes not written: a VANTOREL Pro has none."

# Bad backup files: refused, nothing sent.
before=$(received emuDst)
printf 'not json' > "$WORK/bad1.json"
sed 's/"type": "B"/"type": "P"/' "$WORK/src.json" > "$WORK/bad2.json"
sed '0,/"midiChannel": 16/s//"midiChannel": 17/' "$WORK/src.json" > "$WORK/bad3.json"
head -c 5000000 /dev/zero > "$WORK/bad4.json"
for f in bad1 bad2 bad3 bad4 missing; do
    ctl emuDst restore "$WORK/$f.json"
    expect_status 3 "restore of $f"
    expect_err "Nothing was sent to the device."
    [ "$f" = bad4 ] && expect_err "larger than 4 MiB"
done
ctl emuDst restore "$WORK/bad2.json"
expect_err "modes must be left out for a VANTOREL Pro"
for args in "backup" "restore" "backup a b" "channels diff" "channels read x --verify" "backup x --force"; do
    # shellcheck disable=SC2086
    ctl emuDst $args
    expect_status 2 "$args"
done
[ "$(received emuDst)" = "$before" ] || fail "a refused command reached the device"

ctl emuDst backup "$WORK/no/such/dir/x.json"
expect_status 3 "backup into a missing folder"

# A full file system: the previous backup stays whole (needs the right to mount).
mkdir -p "$WORK/full"
if mount -t tmpfs -o size=16k tmpfs "$WORK/full" 2> /dev/null; then
    printf 'previous' > "$WORK/full/device.json"
    head -c 100000 /dev/zero > "$WORK/full/filler" 2> /dev/null
    ctl emuSrc backup "$WORK/full/device.json"
    expect_status 3 "backup onto a full file system"
    expect_err "No space left on device"
    [ "$(cat "$WORK/full/device.json")" = previous ] || fail "the previous backup was damaged"
    [ "$(ls "$WORK/full")" = "$(printf 'device.json\nfiller')" ] || fail "files left behind: $(ls "$WORK/full")"
    umount "$WORK/full"
else
    echo "skipped: the full file system (no right to mount)"
fi

finish
