#!/usr/bin/env bash
# The window as a screen reader sees it: the program runs under Xvfb with a
# window manager, a private session bus and the accessibility bus, and
# atspi_walk.py drives it with key presses and reads it through AT-SPI.
# Exits 77 (skipped) when a tool is missing.
#   test_atspi.sh VANTOREL-CONTROL-CENTER
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's, which has pyatspi

skip() {
    echo "SKIPPED: $1 (Debian packages xvfb, dbus, openbox, xdotool, at-spi2-core, python3-pyatspi)"
    exit 77
}
for tool in Xvfb dbus-run-session openbox xdotool; do
    command -v "$tool" >/dev/null || skip "$tool not found"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi-bus-launcher not found"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi not found"

if [ -z "${VANTOREL_ATSPI_SESSION:-}" ]; then
    # Everything below runs on a session bus of its own.
    VANTOREL_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@" 2>&1
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work

# A free display: Xvfb writes the number it took.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(cat "$work/display")
# The window manager gives the window the keyboard focus.
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

# English, as a user whose display language has no translation.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$program" --emulator --settings-dir "$work/settings" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

status=0
timeout 150 "$python" "$here/atspi_walk.py" || status=$?
if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL: the program ended (crashed?) during the test"
    status=1
fi
if [ "$status" != 0 ]; then
    echo "--- program output"
    tail -n 40 "$work/program.log"
fi
exit "$status"
