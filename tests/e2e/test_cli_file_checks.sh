#!/usr/bin/env bash
# Every file vantorelctl reads is checked whole before anything is sent: one
# table of command, file and the expected refusal, against an emulator
# process over a real JACK server.
. "$(dirname "$0")/lib.sh"

start_emulator files --type B
ctl files backup "$WORK/good.json"; expect_status 0 "backup"

mkfifo "$WORK/fifo"
mkdir "$WORK/folder"
python3 - "$WORK" <<'PY'
import json, sys
work = sys.argv[1]
text = open(work + "/good.json").read()
# The same key twice in one object: the JSON reader would keep the last.
open(work + "/dupkey.json", "w").write(text.replace('"useNoteOff":', '"useNoteOff": true, "useNoteOff":', 1))
doc = json.loads(text)
doc["version"] = 99999999
json.dump(doc, open(work + "/newer.json", "w"))
doc["version"] = 1
doc["channels"] = [{"dmxChannel": 3, "controlMode": "Active", "constantValue": 200, "midiChannel": 1,
                    "activeOn": "Note On", "from": 0, "to": 0, "dataType": "Velocity", "fixedValue": 0}]
json.dump(doc, open(work + "/constant.json", "w"))
PY
HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
printf '%s\r\n' "$HEADER" \
    '001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '007,Active,0,2,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '009,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,,' \
    '007,Active,0,3,Note On,C-1/0,C-1/0,Velocity,0,,' > "$WORK/twice.csv"

before=$(grep -c '^recv' "$WORK/files.log")
# command | file | exit status | message
while IFS='|' read -r command file status message; do
    # shellcheck disable=SC2086
    OUT=$(timeout 10 "$CTL" --backend jack --in files:out --out files:in $command "$WORK/$file" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(cat "$WORK/ctl.err")
    expect_status "$status" "$command $file"
    expect_err "$message"
done <<'TABLE'
restore|fifo|3|not a regular file
restore|folder|3|Is a directory
restore|dupkey.json|3|the key "useNoteOff" appears twice in one object
restore|newer.json|3|it was made by a newer version of the program
restore|constant.json|3|channels[0].constantValue is 200, which cannot reach the device
channels write|fifo|3|not a regular file
channels diff|fifo|3|not a regular file
firmware info|fifo|3|not a regular file
channels write|twice.csv|3|The DMX channel 007 appears more than once: lines 3 and 5.
channels diff|twice.csv|3|The DMX channel 007 appears more than once: lines 3 and 5.
TABLE
[ "$(grep -c '^recv' "$WORK/files.log")" = "$before" ] || fail "a refused file reached the device"

finish
