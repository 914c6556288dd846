#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program driven as a screen reader drives it: a virtual display, a private session bus
# with the accessibility bus on it, the bridge on. Usage: bus_test.sh PROGRAM
set -euo pipefail
if [[ $1 != --inside ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$0" --inside "$1"
fi
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for ((i = 0; i < 100; i++)); do
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.05
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LANGUAGE= "$2" &
pids+=($!)
# Debian's interpreter: pyatspi is a Debian package, in no other Python's path.
/usr/bin/python3 "$(dirname "$0")/press_keys.py" "$!"
