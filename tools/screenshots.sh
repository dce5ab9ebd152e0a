#!/usr/bin/env bash
# Saves a picture of each page of the main window (docs/screenshots/*.png by
# default) with the emulated VANTOREL Basic, under a virtual X server.
#
#   tools/screenshots.sh [OUTPUT-DIR]
#
# VANTOREL_GUI names the program (default build/vantorel-control-center).
# Needs xvfb-run (Debian package xvfb).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
gui=${VANTOREL_GUI:-$root/build/vantorel-control-center}

if [ ! -x "$gui" ]; then
    echo "screenshots.sh: $gui not found; build first (make build) or set VANTOREL_GUI" >&2
    exit 2
fi
command -v xvfb-run >/dev/null || { echo "screenshots.sh: xvfb-run is missing (apt-get install xvfb)" >&2; exit 2; }

# A settings folder of its own: the user's settings are neither read nor changed.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
mkdir -p "$out"

timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
    env QT_QPA_PLATFORM=xcb "$gui" --emulator --emulator-type B \
        --settings-dir "$settings" --screenshot-dir "$out"

ls -1 "$out"/*.png
