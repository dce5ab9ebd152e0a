#!/usr/bin/env bash
# Files that are not what they claim: a FIFO without a writer, a device that
# never ends, a file far larger than any channel or firmware file. Each is
# refused at once with a message and exit status 3; nothing blocks.
. "$(dirname "$0")/lib.sh"

# run ARGS...: vantorelctl without ports, at most 10 s.
run() {
    OUT=$(timeout 10 "$CTL" --backend jack "$@" 2> "$WORK/ctl.err")
    STATUS=$?
    ERR=$(cat "$WORK/ctl.err")
}

mkfifo "$WORK/fifo.csv" "$WORK/fifo.bix"
run channels write "$WORK/fifo.csv"
expect_status 3 "channels write of a FIFO"
expect_err "Cannot open the file $WORK/fifo.csv: not a regular file"
run firmware info "$WORK/fifo.bix"
expect_status 3 "firmware info of a FIFO"
expect_err "not a regular file"

run channels write /dev/zero
expect_status 3 "channels write of /dev/zero"
expect_err "not a regular file"

truncate -s 1G "$WORK/huge.csv"
run channels write "$WORK/huge.csv"
expect_status 3 "channels write of a 1 GiB file"
expect_err "Cannot open the file $WORK/huge.csv: the file is larger than 4 MiB"
truncate -s 5M "$WORK/huge.bix"
run firmware info "$WORK/huge.bix"
expect_status 3 "firmware info of a 5 MiB file"
expect_err "the file is larger than 4 MiB"
finish
