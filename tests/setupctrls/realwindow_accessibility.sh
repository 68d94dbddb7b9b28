#!/usr/bin/env bash
# Runs the program on a private X server with its own session and
# accessibility buses, as on a desktop with a screen reader running, and has
# atspi_announce.py read and press the circles and jumpers through AT-SPI.
# Run under dbus-run-session: program, bus launcher, python with dbus and gi.
set -euo pipefail

program=$1
launcher=$2
python=$3
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
xvfb_test_session 1280x1024
"$launcher" --launch-immediately 2>"$workdir/launcher.txt" &
extra_pids=$!

# Without a desktop setting that turns accessibility on, Qt is told so here.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$workdir/out.txt" 2>&1 &
app_pid=$!

"$python" "$(dirname "$0")/atspi_announce.py"
