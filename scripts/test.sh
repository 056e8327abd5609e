#!/usr/bin/env bash
# Sets Chronelle up, starts every service the tests need (a virtual X server
# with a notification area, a sound server with a null sink, private D-Bus
# system and session buses, one of them with a StatusNotifierItem host, a
# Wayland compositor) and runs the whole suite. The services are private
# to this run and are stopped at its end; nothing reaches the machine's own.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${CHRONELLE_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/setup.sh" test

source "$ROOT/scripts/xvfb.sh"

pids=()
RUN_DIR=
# Stops the services and removes the run's folder (with their logs and
# sockets) once nothing writes there any more.
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ -n "$RUN_DIR" ]; then rm -rf "$RUN_DIR" || true; fi
}
trap cleanup EXIT

RUN_DIR=$(mktemp -d /tmp/chronelle-test.XXXXXX)
chmod 700 "$RUN_DIR"
export XDG_RUNTIME_DIR="$RUN_DIR"
export CHRONELLE_TEST_SERVICES=1

# X servers: one with a notification area and no window manager, one with
# a window manager (openbox) as most desktops have
start_xvfb 1280x1024x24 "$RUN_DIR/xvfb-tray.log"
pids+=("$xvfb_pid")
export CHRONELLE_TEST_DISPLAY=$x_display
DISPLAY=$CHRONELLE_TEST_DISPLAY trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
  >"$RUN_DIR/trayer.log" 2>&1 &
pids+=($!)
start_xvfb 1280x1024x24 "$RUN_DIR/xvfb-wm.log"
pids+=("$xvfb_pid")
export CHRONELLE_TEST_WM_DISPLAY=$x_display
DISPLAY=$CHRONELLE_TEST_WM_DISPLAY openbox >"$RUN_DIR/openbox.log" 2>&1 &
pids+=($!)

# a Wayland compositor without a screen or input devices (weston 10's
# headless backend), for the program running natively on Wayland; --debug
# lets the tests read its scene graph with weston-debug
export CHRONELLE_TEST_WAYLAND_DISPLAY=chronelle-test-wayland
weston --backend=headless-backend.so --socket="$CHRONELLE_TEST_WAYLAND_DISPLAY" --idle-time=0 \
  --width=1280 --height=1024 --debug >"$RUN_DIR/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$RUN_DIR/$CHRONELLE_TEST_WAYLAND_DISPLAY" ] && break; sleep 0.1; done

# sound server with a null sink whose monitor the tests record
mkdir -p "$RUN_DIR/pulse"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no --log-target=stderr \
  -L "module-null-sink sink_name=test rate=48000 channels=2" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$RUN_DIR/pulse/native" \
  >"$RUN_DIR/pulseaudio.log" 2>&1 &
pids+=($!)
export PULSE_SERVER="unix:$RUN_DIR/pulse/native"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink test >/dev/null 2>&1 || true

# private buses: the tests put their mock services on these
start_bus() {
  local info
  info=$(dbus-daemon --session --print-address=1 --print-pid=1 --fork --nopidfile)
  bus_address=$(echo "$info" | sed -n 1p)
  pids+=("$(echo "$info" | sed -n 2p)")
}
start_bus; export DBUS_SYSTEM_BUS_ADDRESS="$bus_address"
start_bus; export DBUS_SESSION_BUS_ADDRESS="$bus_address"
# a session bus whose notification area is a StatusNotifierItem host, as on
# KDE Plasma, Xfce and GNOME with AppIndicators: programs started on it use
# that instead of trayer (Qt chooses at start, by what the bus offers)
start_bus; export CHRONELLE_TEST_SNI_BUS_ADDRESS="$bus_address"
DBUS_SESSION_BUS_ADDRESS=$CHRONELLE_TEST_SNI_BUS_ADDRESS /usr/bin/python3 "$ROOT/tests/system/sni_watcher.py" \
  >"$RUN_DIR/sni-watcher.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do grep -q '^ready' "$RUN_DIR/sni-watcher.log" && break; sleep 0.1; done

cd "$BUILD_DIR"
set +e
# Arguments go to CTest (e.g. -R AlarmControl runs the tests whose names match).
ctest --output-on-failure --timeout 300 -j2 "$@" >"$RUN_DIR/ctest.log" 2>&1
status=$?
set -e
# Everything CTest said, then its summary line as the last line; the run's
# folder goes when the script exits.
grep -v -e '^Total Test time' "$RUN_DIR/ctest.log" | sed -e '/^[0-9]*% tests passed/d'
grep -E '^[0-9]+% tests passed' "$RUN_DIR/ctest.log" | tail -1
exit "$status"
