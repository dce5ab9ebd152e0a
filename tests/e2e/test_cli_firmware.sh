#!/usr/bin/env bash
# Firmware upload, interface test and device ID over a real JACK server, with
# the emulator process writing the image it received.
. "$(dirname "$0")/lib.sh"

BIXPACK="$(dirname "$CTL")/tools/bixpack/vantorel-bixpack"
if [ ! -x "$BIXPACK" ]; then
    echo "vantorel-bixpack not found next to vantorelctl" >&2
    exit 1
fi
"$BIXPACK" --make-image 1000 B "05-01-2019 08:30" "$WORK/basic.bin" || exit 1
"$BIXPACK" "$WORK/basic.bin" "$WORK/basic.bix" || exit 1
"$BIXPACK" --make-image 512 E "12-31-2020 23:59" "$WORK/eco.bin" || exit 1
"$BIXPACK" "$WORK/eco.bin" "$WORK/eco.bix" || exit 1

# A Basic device: "N", the bootloader's reports, both handshakes, 8 blocks.
start_emulator emuB --type B --device-id 7 --image-out "$WORK/emuB.bin"
ctl emuB firmware upload "$WORK/basic.bix"
expect_status 0 "upload to Basic"
expect_out "Upgrade ready: 1000 bytes in 8 blocks."
expect_err "Programming mode entered."
expect_err "Device has older FW version."
expect_err "Upgrade ready..."
cmp -s "$WORK/basic.bin" "$WORK/emuB.bin" || fail "the image the emulator received differs from the file's"

# The device now runs that firmware: "newer" uploads nothing, "same-or-older" does.
ctl emuB firmware upload "$WORK/basic.bix"
expect_status 4 "same firmware, --mode newer"
expect_err "Device has the same FW version."
# Decided from the date "J" reported: the device never left its firmware.
grep -q "Programming mode entered." <<< "$ERR" && fail "a pointless upload entered the bootloader"
ctl emuB identify
expect_status 0 "identify after nothing was uploaded"
rm -f "$WORK/emuB.bin"
ctl emuB firmware upload --mode same-or-older "$WORK/basic.bix"
expect_status 0 "same firmware, --mode same-or-older"
cmp -s "$WORK/basic.bin" "$WORK/emuB.bin" || fail "second upload: image differs"

# A device that starts its bootloader again after the upload is flashed once.
start_emulator emuR --type B --firmware-date "05-01-2019 08:30" --bootloader-after-upgrade
ctl emuR firmware upload --mode same-or-older "$WORK/basic.bix"
expect_status 0 "same-or-older, the bootloader reports Idle again"
sleep 1
[ "$(grep -c '^recv 9F 24 7F' "$WORK/emuR.log")" = 1 ] || fail "expected exactly one upload handshake"

# The final block's verdict never comes.
start_emulator emuV --type B --no-upgrade-verdict
ctl emuV firmware upload "$WORK/basic.bix"
expect_status 1 "no verdict"
expect_err "The device did not report the end of the upload."

# An Eco sitting in its bootloader without valid firmware; 4 whole blocks
# and a final block of filler only.
start_emulator emuE --type E --bootloader --firmware-date 0 --image-out "$WORK/emuE.bin"
ctl emuE firmware upload "$WORK/eco.bix"
expect_status 0 "upload to Eco in its bootloader"
expect_err "No valid FW in device."
expect_out "Upgrade ready: 512 bytes in 5 blocks."
cmp -s "$WORK/eco.bin" "$WORK/emuE.bin" || fail "Eco image differs"

ctl emuB firmware upload "$WORK/eco.bix"
expect_status 3 "Eco firmware for a Basic device"
expect_err "Firmware type and device type mismatch!"

printf 'not a firmware file' > "$WORK/broken.bix"
ctl emuB firmware upload "$WORK/broken.bix"
expect_status 3 "broken file"
expect_err "Invalid data"

start_emulator emuC --type B --corrupt-block 3
ctl emuC firmware upload "$WORK/basic.bix"
expect_status 4 "checksum error"
expect_err " Cheksum Error!!!"

start_emulator emuT --type B --drop-block-request 2
ctl emuT firmware upload "$WORK/basic.bix"
expect_status 1 "missing block request"
expect_err "Block write timeout..."

ctl emuB iface-test
expect_status 0 "interface test"
expect_out "Interface test passed."
expect_err "Transfer test passed..."
expect_err "Device restarted."
# The test did not leave the device in its bootloader.
ctl emuB identify
expect_status 0 "identify after the interface test"

start_emulator emuM --type E --echo-missing-byte
ctl emuM iface-test
expect_status 4 "echo missing a byte"
expect_err "Test Failed - length diff out/in: len: 556/554"

# A fresh device takes the ID.
start_emulator emuS --type P
ctl emuS set-id 4242
expect_status 0 "set-id"
expect_out "Device ID written: 004242"
ctl emuS identify
expect_out "Device ID: 004242"

start_emulator emuN --type B --no-restart-after-id
ctl emuN set-id 5
expect_status 1 "set-id without restart"
expect_err "Device Number Written."
expect_err "No connection with device"

ctl emuB set-id 4294967296
expect_status 2 "device ID too large"
ctl emuB set-id -3
expect_status 2 "negative device ID"

finish
