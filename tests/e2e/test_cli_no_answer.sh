#!/usr/bin/env bash
# Timeouts: the no-response report, the operation's failure text and exit status 1.
. "$(dirname "$0")/lib.sh"

start_emulator mute --type P --never-answer
start_emulator late --type P --skip d:1

ctl mute restart
expect_status 1 "restart without answer"
expect_err "No connection with device"
expect_err "No action performed."

ctl mute options
expect_status 1 "options without answer"
expect_err "No data received."

ctl mute identify
expect_status 1 "identify without answer"

# The first "d" is left out, the second restart is answered.
ctl late restart
expect_status 1 "first restart"
ctl late restart
expect_status 0 "second restart"

finish
