#!/usr/bin/env bash
# vantorelctl channels write and read against the emulator process over a real JACK server.
. "$(dirname "$0")/lib.sh"

start_emulator emuC --type P
start_emulator emuSkip --type B --drop C:2:after --drop C:3:after --drop C:4:after --drop C:5:after \
    --drop C:6:after --drop C:7:after
start_emulator emuMute --never-answer

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'

# The 14 payload characters of each "C" the emulator received, in order.
written_payloads() {
    grep "^recv F0 00 31 34 56 43 " "$WORK/$1.log" | while read -r -a bytes; do
        local hex="" payload="" i
        for i in $(seq 7 34); do hex+=$(printf "\\x${bytes[$i]}"); done
        for ((i = 0; i < 28; i += 2)); do payload+=$(printf "\\x${hex:$i:2}"); done
        echo "$payload"
    done
}

# Out of order, a short DMX field without its final comma, the padded note 12,
# descriptions (which stay in the file).
printf '%s\r\n' "$HEADER" \
    '300,Active,0,2,Control Change,G-0/19,A-0/21,Value,200,Lamp left,' \
    '7,Active,0,16,Note On,C-0/12      ,C-0/12      ,Velocity,0,short field' \
    '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '512,Value,255,1,Note On,C-1/0,C-1/0,Velocity,0,always on,' > "$WORK/in.csv"
printf '%s\r\n' "$HEADER" \
    '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '007,Active,0,16,Note On,C-0/12      ,C-0/12      ,Velocity,0,,' \
    '300,Active,0,2,Control Change,G-0/19,A-0/21,Value,200,,' \
    '512,Value,255,1,Note On,C-1/0,C-1/0,Velocity,255,,' > "$WORK/expected.csv"

# An empty device: the device's own word for it, and no file (the header
# alone is a file the program refuses to open); a file in the way stays.
ctl emuC channels read "$WORK/empty.csv"
expect_status 3 "channels read of an empty device"
expect_err "No user data in device."
expect_err "nothing was written"
[ -e "$WORK/empty.csv" ] && fail "empty device: a file was written"
cp "$WORK/in.csv" "$WORK/kept.csv"
ctl emuC channels read "$WORK/kept.csv"
expect_status 3 "channels read of an empty device over a file"
cmp -s "$WORK/in.csv" "$WORK/kept.csv" || fail "empty device: the old file changed"

ctl emuC channels write "$WORK/in.csv"
expect_status 0 "channels write"
expect_err "Writing data to device finished succesfully."
expect_err "Channel 512 written (4 of 4)."
written_payloads emuC > "$WORK/c.txt"
printf '%s\n' 00010100900000 000701009F0C0C 012C07C8B11315 020009FF900000 > "$WORK/c.expected"
diff -q "$WORK/c.txt" "$WORK/c.expected" > /dev/null || fail "C payloads: $(tr '\n' ' ' < "$WORK/c.txt")"

ctl emuC channels read "$WORK/out.csv"
expect_status 0 "channels read FILE"
expect_err "Data ready."
expect_err "4 channel(s) received."
cmp -s "$WORK/out.csv" "$WORK/expected.csv" || fail "read back: $(cat -A "$WORK/out.csv")"

# To standard output, byte for byte the same.
"$CTL" --backend jack --in emuC:out --out emuC:in channels read > "$WORK/stdout.csv" 2> /dev/null
STATUS=$?
expect_status 0 "channels read to standard output"
cmp -s "$WORK/stdout.csv" "$WORK/expected.csv" || fail "standard output: $(cat -A "$WORK/stdout.csv")"

# The file read back writes the same channels again.
before=$(written_payloads emuC | wc -l)
ctl emuC channels write "$WORK/out.csv"
expect_status 0 "channels write of a file read back"
[ "$(written_payloads emuC | tail -n +$((before + 1)))" = "$(cat "$WORK/c.expected")" ] || fail "second write differs"

# The second row's acknowledgement never comes, nor those of its 5 retries: the third row is not sent.
printf '%s\r\n' "$HEADER" '1;Active;0;1;Note On;C-1/0;C-1/0;Velocity;0;' '2;Active;0;1;Note On;C-1/0;C-1/0;Velocity;0;' \
    '3;Active;0;1;Note On;C-1/0;C-1/0;Velocity;0;' > "$WORK/three.csv"
ctl emuSkip channels write "$WORK/three.csv"
expect_status 1 "channels write without second acknowledgement"
expect_err "Writing data to device failed."
expect_err "1 of 3 channel(s) written."
[ "$(written_payloads emuSkip | wc -l)" = 7 ] || fail "expected row 1 and six tries of row 2"

ctl emuMute channels read "$WORK/mute.csv"
expect_status 1 "channels read without answer"
expect_err "No data received."
[ -e "$WORK/mute.csv" ] && fail "a file was written without an answer"

# Files that cannot be written: refused before anything is sent.
printf '%s\r\n' "$HEADER" > "$WORK/header-only.csv"
printf '%s\r\n' "DMX channels" '001,Active,' > "$WORK/bad-header.csv"
printf '%s\r\n' "$HEADER" '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,' 'four,Active,' > "$WORK/bad-line.csv"
printf '%s\r\n' "$HEADER" '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,' '002,Active,0,17,Note On,C-1/0,C-1/0,Velocity,0,' > "$WORK/bad-cell.csv"
before=$(grep -c '^recv' "$WORK/emuC.log")
ctl emuC channels write "$WORK/header-only.csv"
expect_status 3 "header-only file"
expect_err "Empty data file!"
ctl emuC channels write "$WORK/bad-header.csv"
expect_status 3 "bad header"
expect_err "Unrecognized header data!"
ctl emuC channels write "$WORK/bad-line.csv"
expect_status 3 "bad DMX field"
expect_err "Improper data format in line 3"
ctl emuC channels write "$WORK/bad-cell.csv"
expect_status 3 "cell outside its list"
expect_err 'DMX ch. "002": MIDI ch. "17"'
ctl emuC channels write "$WORK/missing.csv"
expect_status 3 "missing file"
ctl emuC channels read "$WORK/no/such/folder/out.csv"
expect_status 3 "read into a missing folder"
for args in "channels" "channels list" "channels write" "channels write a b" "channels read a b"; do
    # shellcheck disable=SC2086
    ctl emuC $args
    expect_status 2 "$args"
done
[ "$(grep -c '^recv' "$WORK/emuC.log")" = "$before" ] || fail "a refused command reached the device"

finish
