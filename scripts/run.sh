#!/usr/bin/env bash
# Sets Chronelle up and runs it. Without a display it runs the program on a
# virtual X server for a few seconds, saves a screenshot of what it shows and
# prints where the screenshot is.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${CHRONELLE_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/setup.sh" run
APP="$BUILD_DIR/bin/chronelle"

# Where things are, as the program itself decides it: beside the executable
# while it may write there, else in the user's data folder.
tell_where() {
  local data="$BUILD_DIR/bin"
  if [ ! -w "$data" ]; then
    data="${XDG_DATA_HOME:-$HOME/.local/share}/Chronelle"
  fi
  echo "== the program: $APP"
  echo "== its alarms and settings are kept in: $data"
  if [ "$data" = "$BUILD_DIR/bin" ]; then
    echo "   (beside the program: deleting $BUILD_DIR deletes them too)"
  fi
  echo "== to install it for your user (alarms then kept in ~/.local/share/Chronelle):"
  echo "     cmake --install $BUILD_DIR --prefix ~/.local"
  echo "   or as a Debian package: (cd $BUILD_DIR && cpack -G DEB) && sudo apt install $BUILD_DIR/chronelle_*.deb"
}

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  tell_where
  exec "$APP"
fi

echo "== no display: starting a virtual X server"
pids=()
made_runtime_dir=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # A runtime folder made for this run goes with it; the user's own stays.
  if [ -n "$made_runtime_dir" ]; then rm -rf "$made_runtime_dir"; fi
}
trap cleanup EXIT
source "$ROOT/scripts/xvfb.sh"
if ! start_xvfb 1024x768x24 /dev/null; then
  echo "run: the virtual X server did not start" >&2
  exit 1
fi
pids+=("$xvfb_pid")
export DISPLAY=$x_display
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  made_runtime_dir=$(mktemp -d)
  chmod 700 "$made_runtime_dir"
  export XDG_RUNTIME_DIR=$made_runtime_dir
fi

"$APP" &
app_pid=$!
sleep 4
mkdir -p "$BUILD_DIR/screenshots"
shot="$BUILD_DIR/screenshots/chronelle.png"
import -window root "$shot"
kill -TERM "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
echo "== Chronelle ran on the virtual display; screenshot saved to $shot"
tell_where
