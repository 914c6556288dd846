#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# orca_speech.sh PROGRAM -- STEP...
# Runs the real Orca against PROGRAM on a private display, session bus and accessibility bus,
# and prints what Orca spoke, one utterance a line, with a line ">> STEP" where each step began.
# Orca speaks through a silent speech module; its words are read from its own debug log.
# A STEP is an xdotool key name (7, KP_Add, Return, Up), "type:TEXT", or "press:NAME" (the
# accessible Press of the button named NAME, as a screen reader's command gives it).
# Everything started here is stopped by its PID; the whole run is bounded in time.
# ORCA_SPEECH_SHOT=FILE keeps a picture of the window after the last step, ORCA_SPEECH_LOG=FILE
# Orca's debug log (and FILE.app the program's output).
# Exit: 0 spoken lines printed; 3 Orca or the program could not be brought up.
set -u
if [[ -z ${ORCA_SPEECH_INNER:-} ]]; then
  ORCA_SPEECH_INNER=1 exec timeout -k 5 "${ORCA_SPEECH_TIMEOUT:-240}" "$0" "$@"
fi
prog=() steps=() seen=0
for a in "$@"; do
  if ((seen)); then steps+=("$a"); elif [[ $a == -- ]]; then seen=1; else prog+=("$a"); fi
done
say() { echo "orca_speech: $*" >&2; }
die() { say "$*"; exit 3; }
here=$(cd "$(dirname "$0")" && pwd)

# Orca will not start beside another Orca of this user: runs take turns.
exec 9>/tmp/tallimer_orca_speech.lock
flock -w 60 9 || die "another run holds /tmp/tallimer_orca_speech.lock"
pgrep -u "$(id -u)" -x orca >/dev/null && die "another Orca of this user is running"

T=$(mktemp -d /tmp/tallimer_orca.XXXXXX)
PIDS=()
APP_PID=""
# The processes our buses started (the accessibility bus's daemon, the registry), by the PID
# each connection reports.
bus_pids() {
  local addr n
  for addr in "$@"; do
    for n in $(timeout 2 dbus-send --bus="$addr" --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.ListNames 2>/dev/null | grep -o '":[0-9.]*"' | tr -d '"'); do
      timeout 2 dbus-send --bus="$addr" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$n" 2>/dev/null | awk '/uint32/{print $2}'
    done
  done
}
cleanup() {
  trap - EXIT INT TERM
  local p a11y
  if [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    a11y=$(timeout 2 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null |
      sed -n 's/^ *string "\(.*\)"$/\1/p')
    for p in $(bus_pids ${a11y:+"$a11y"} "$DBUS_SESSION_BUS_ADDRESS"); do
      [[ $p != "$$" && " ${PIDS[*]} " != *" $p "* ]] && PIDS=("$p" "${PIDS[@]}")
    done
  fi
  [[ -n $APP_PID ]] && kill -TERM -- "-$APP_PID" 2>/dev/null
  # newest first: Orca, the buses' helpers, the buses, the display
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill -TERM "${PIDS[i]}" 2>/dev/null; done
  for _ in $(seq 30); do
    local alive=0
    for p in "${PIDS[@]}" $APP_PID; do kill -0 "$p" 2>/dev/null && alive=1; done
    ((alive)) || break
    sleep 0.1
  done
  kill -KILL "${PIDS[@]}" 2>/dev/null
  [[ -n $APP_PID ]] && kill -KILL -- "-$APP_PID" 2>/dev/null
  wait 2>/dev/null
  [[ -n ${ORCA_SPEECH_LOG:-} && -f $T/orca.log ]] && cp "$T/orca.log" "$ORCA_SPEECH_LOG" && cp "$T/app.log" "$ORCA_SPEECH_LOG.app"
  rm -rf "$T"
}
trap cleanup EXIT
trap 'say "out of time"; exit 3' INT TERM

wait_for() { # SECONDS CMD...
  local end=$((SECONDS + $1)); shift
  until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}

export HOME=$T/home XDG_DATA_HOME=$T/home/.local/share XDG_CONFIG_HOME=$T/home/.config \
  XDG_CACHE_HOME=$T/home/.cache XDG_RUNTIME_DIR=$T/run GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$here/orca/orca-customizations.py" "$here/orca/nullspeech.py" "$XDG_DATA_HOME/orca/"

Xvfb -displayfd 8 -screen 0 1280x1024x24 -nolisten tcp 8>"$T/display" </dev/null >"$T/xvfb.log" 2>&1 &
PIDS+=($!)
wait_for 10 test -s "$T/display" || die "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$T/display")
dbus-daemon --session --nofork --address="unix:path=$T/bus" --print-address=1 </dev/null >"$T/bus.addr" 2>"$T/dbus.log" &
PIDS+=($!)
wait_for 10 test -s "$T/bus.addr" || die "dbus-daemon did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$T/bus.addr")
/usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >"$T/atspi.log" 2>&1 &
PIDS+=($!)
a11y_bus() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_for 10 a11y_bus || die "no accessibility bus"
LANG=C.UTF-8 LC_ALL=C.UTF-8 orca --debug-file="$T/orca.log" </dev/null >"$T/orca.out" 2>&1 &
ORCA_PID=$!
PIDS+=($ORCA_PID)
# Orca 43 and Orca 48 word their start and their focus moves differently.
orca_up() { grep -aq -e "ORCA: Starting ATSPI registry" -e "ORCA: Starting Atspi main event loop" "$T/orca.log" 2>/dev/null; }
wait_for 30 orca_up || die "Orca did not start: $(tail -n 3 "$T/orca.out")"

before=$(wc -l <"$T/orca.log")
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE= \
  setsid "${prog[@]}" </dev/null >"$T/app.log" 2>&1 &
APP_PID=$!
fresh() { tail -n +$((before + 1)) "$T/orca.log"; }
noticed() { fresh | grep -aq -e "ORCA: Changing locusOfFocus from" -e "Changing locus of focus from"; }
find_window() { WIN=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1); [[ -n $WIN ]]; }
wait_for 30 find_window || die "no window appeared: $(tail -n 3 "$T/app.log")"
registered() { fresh | grep -a "children-changed:add for \[desktop frame" | grep -qv "application | orca\]"; }
wait_for 10 registered
# No window manager: give the window the X focus as one would.
if ! wait_for 1 noticed; then
  xdotool windowfocus "$WIN" 2>/dev/null
  wait_for 15 noticed || die "Orca never saw the window become active"
fi
# Orca 48 logs a cache clearing every two seconds, whatever happens: not counted.
grown() { grep -avc "GENERATOR: Clearing cache" "$T/orca.log"; }
quiet() { # until Orca's log has not grown for $1 tenths of a second, at most $2 s
  local end=$((SECONDS + $2)) last size stable=0
  last=$(grown)
  while ((SECONDS < end)); do
    sleep 0.1
    size=$(grown)
    if [[ $size == "$last" ]]; then ((++stable >= $1)) && return 0; else stable=0 last=$size; fi
  done
}
quiet 10 15

: >"$T/marks"
for s in "${steps[@]}"; do
  printf '%s\t>> %s\n' "$(date +%H:%M:%S.%6N)" "${s//$'\n'/\\n}" >>"$T/marks"
  case $s in
    type:*) timeout 20 xdotool type --delay 60 -- "${s#type:}" ;;
    press:*) timeout 10 /usr/bin/python3 "$here/orca/press.py" "$APP_PID" "${s#press:}" || say "could not press ${s#press:}" ;;
    *) timeout 5 xdotool key -- "$s" ;;
  esac
  quiet 15 15  # each step's speech is over before the next one begins
done
# A picture of the window as it is now, to compare with one taken without a screen reader.
[[ -n ${ORCA_SPEECH_SHOT:-} ]] && import -window "$WIN" "$ORCA_SPEECH_SHOT"
kill -0 "$APP_PID" 2>/dev/null || say "the program exited during the run: $(tail -n 3 "$T/app.log")"
kill -0 "$ORCA_PID" 2>/dev/null || say "Orca died during the run"
/usr/bin/python3 "$here/orca/spoken.py" "$T/orca.log" "$T/marks"
