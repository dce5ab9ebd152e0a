#!/usr/bin/env bash
# vantorelctl firmware info: files of an independent packer, files of
# vantorel-bixpack, damaged and unreadable files. Needs no device.
. "$(dirname "$0")/lib.sh"

DATA=$(cd "$(dirname "$0")/../data/firmware" && pwd)
BIXPACK=$(dirname "$CTL")/tools/bixpack/vantorel-bixpack

info() {
    OUT=$("$CTL" firmware info "$@" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(cat "$WORK/ctl.err")
}

info "$DATA/basic_tail.bix"
expect_status 0 "basic sample"
expect_out "Firmware type: Basic"
expect_out "Firmware date: 2019-11-03 16:45"
expect_out "Image size: 325 bytes"
expect_out "Image SHA-256: 0ddbb653b5f83220c97642d6ae771a5aa5aa247017f3ca7d7df0d6560abee36b"

info "$DATA/pro_tail.bix"
expect_status 0 "pro sample"
expect_out "Firmware type: Pro"
expect_out "Firmware date: 2020-07-15 08:05"
expect_out "Image size: 489 bytes"
expect_out "Image SHA-256: 16b48dd05cb83f2237dfddd9738c37843a80166bc4b2a867b52354298240ff86"

# A packed test image: one line of Base64, an Eco marker.
"$BIXPACK" --make-image 4096 E "12-31-2021 23:58" "$WORK/eco.bin" || fail "bixpack --make-image"
"$BIXPACK" --line 0 "$WORK/eco.bin" "$WORK/eco.bix" || fail "bixpack"
info "$WORK/eco.bix"
expect_status 0 "eco file"
expect_out "Firmware type: Eco"
expect_out "Firmware date: 2021-12-31 23:58"
expect_out "Image size: 4096 bytes"
expect_out "Image SHA-256: $(sha256sum < "$WORK/eco.bin" | cut -d' ' -f1)"

# No marker: the file is valid, its type unknown.
"$BIXPACK" --make-image 100 X "" "$WORK/plain.bin" && "$BIXPACK" "$WORK/plain.bin" "$WORK/plain.bix" || fail "bixpack"
info "$WORK/plain.bix"
expect_status 0 "file without a marker"
expect_out "Firmware type: -"
expect_out "Image size: 100 bytes"

# Another password, a damaged check value, too little data.
"$BIXPACK" --password 01020304 "$WORK/eco.bin" "$WORK/other.bix" || fail "bixpack"
info "$WORK/other.bix"
expect_status 3 "other password"
expect_err "Invalid data"
[ -z "$OUT" ] || fail "nothing on stdout for a refused file"

head -c -3 "$DATA/basic_tail.bix" > "$WORK/cut.bix"   # last character and line break
info "$WORK/cut.bix"
expect_status 3 "last character cut off"
expect_err "Invalid data"

printf 'QUJDREVGR0hJSktMTU5PUFFSU1RVVldYWVphYmNkZQ==' > "$WORK/short.bix"
info "$WORK/short.bix"
expect_status 3 "31 bytes"
expect_err "Invalid data"

info "$WORK/missing.bix"
expect_status 3 "missing file"
expect_err "missing.bix"

OUT=$("$CTL" firmware info 2> "$WORK/ctl.err"); STATUS=$?; ERR=$(cat "$WORK/ctl.err")
expect_status 2 "no file named"

finish
