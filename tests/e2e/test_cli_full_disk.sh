#!/usr/bin/env bash
# "channels read FILE" onto a nearly full file system (a 40 KiB tmpfs holding
# the old file and a filler, in a mount namespace of its own): the save fails
# with the system's reason and exit status 3, and the old file is unchanged.
# Skipped where no tmpfs can be mounted.
. "$(dirname "$0")/lib.sh"

HEADER='DMX ch.,Act. ctrl/Value,Data =,MIDI ch.,Active on,Note On/CC,Note On/CC,Velocity/Value,Data =,Description,'
{
    printf '%s\r\n' "$HEADER"
    for n in $(seq 1 259); do printf '%d,Active,0,%d,Note On,C-1/0,C-1/0,Velocity,0,row %d,\r\n' "$n" $((n % 16 + 1)) "$n"; done
} > "$WORK/table.csv"

start_emulator full --type P
ctl full channels write "$WORK/table.csv"
expect_status 0 "channels write of 259 rows"

mkdir -p "$WORK/disk"
cat > "$WORK/inside.sh" <<'INSIDE'
set -u
disk=$1; shift
mount --make-rprivate / && mount -t tmpfs -o size=40k tmpfs "$disk" || exit 99
printf 'DMX ch.,old\r\n001,Active,0,1,Note On,C-1/0,C-1/0,Velocity,0,old,\r\n' > "$disk/old.csv"
cp "$disk/old.csv" "$disk/old.orig"
free=$(( $(stat -f -c '%a * %S' "$disk") ))
head -c $(( free - 4096 )) /dev/zero > "$disk/filler"
"$@" channels read "$disk/old.csv" 2> "$disk/../ctl.err"
status=$?
cmp -s "$disk/old.csv" "$disk/old.orig" && same=same || same=changed
ls -a "$disk" | grep -v -e '^\.*$' -e '^old' -e '^filler$' > "$disk/../extra"
echo "$status $same" > "$disk/../result"
INSIDE
unshare -m bash "$WORK/inside.sh" "$WORK/disk" "$CTL" --backend jack --in full:out --out full:in
if [ "$?" = 99 ] || [ ! -s "$WORK/result" ]; then
    echo "no tmpfs can be mounted here: skipped"
    finish
fi
read -r STATUS SAME < "$WORK/result"
ERR=$(cat "$WORK/ctl.err")
OUT=
expect_status 3 "channels read onto a full disk"
expect_err "259 channel(s) received."
expect_err "Cannot save the file $WORK/disk/old.csv: No space left on device"
[ "$SAME" = same ] || fail "the old file changed"
[ -s "$WORK/extra" ] && fail "files left behind: $(cat "$WORK/extra")"
finish
