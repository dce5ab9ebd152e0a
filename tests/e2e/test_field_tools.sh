#!/usr/bin/env bash
# vantorelctl's field tools: send (the emulator's log shows each pair) and
# channels patch on a channel file.
. "$(dirname "$0")/lib.sh"

start_emulator emuT --type P

# received LINE...: the emulator's log ends with these "recv" lines of short
# messages, in this order (waits up to 5 s for them to arrive).
received() {
    local got want
    want=$(printf '%s\n' "$@")
    for _ in $(seq 1 50); do
        got=$(grep -E '^recv [89B]' "$WORK/emuT.log" | tail -n $#)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "emulator received '$got', expected '$*'"
}

ctl emuT send note 3 60 127 --off-after 300
expect_status 0 "send note"
expect_err "Sent 92 3C 7F Note On, MIDI channel 3, C4/60, velocity 127"
received "recv 92 3C 7F" "recv 82 3C 00"

ctl emuT send cc 16 12 127 --off-after 0
expect_status 0 "send cc"
received "recv BF 0C 7F" "recv BF 0C 00"

ctl emuT send note 17 60 127
expect_status 2 "send on channel 17"
ctl emuT send pc 1 2 3
expect_status 2 "send pc"

# channels patch: no device involved.
cat > "$WORK/spot.qxf" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE FixtureDefinition>
<FixtureDefinition><Manufacturer>Acme</Manufacturer><Model>Spot</Model>
 <Channel Name="Pan"/><Channel Name="Tilt"/>
 <Mode Name="Two"><Channel Number="0">Pan</Channel><Channel Number="1">Tilt</Channel></Mode>
</FixtureDefinition>
XML
patch() {
    OUT=$("$CTL" channels patch "$WORK/rig.csv" "$@" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(cat "$WORK/ctl.err")
}
patch "$WORK/spot.qxf" --start 511 --name "MH 2"
expect_status 0 "patch"
expect_err "Acme Spot, mode \"Two\": DMX channels 511 to 512 described, 2 row(s) added"
grep -q "^512,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,MH 2 Tilt," "$WORK/rig.csv" || fail "row 512 not patched"
patch "$WORK/spot.qxf" --start 512 --name "MH 3"
expect_status 3 "patch past 512"
expect_err "past DMX channel 512"
patch "$WORK/spot.qxf" --start 510 --name "MH 3"
expect_status 3 "patch over descriptions"
expect_err "DMX channel 511 already has another description. --force overwrites them."
patch "$WORK/spot.qxf" --start 510 --name "MH 3" --force
expect_status 0 "patch --force"
grep -q "^511,.*,MH 3 Tilt,"$'\r'"$" "$WORK/rig.csv" || fail "--force did not overwrite"
printf '<!DOCTYPE FixtureDefinition [<!ENTITY a "aaaa">]><FixtureDefinition/>' > "$WORK/evil.qxf"
before=$(md5sum < "$WORK/rig.csv")
patch "$WORK/evil.qxf" --start 1 --name X
expect_status 3 "hostile fixture"
expect_err "is refused: it declares entities"
[ "$(md5sum < "$WORK/rig.csv")" = "$before" ] || fail "a refused patch changed the file"

finish
