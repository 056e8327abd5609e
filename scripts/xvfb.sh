# Sourced by the run and test commands: starts a virtual X server on a
# display number it picks itself (-displayfd), so that runs started at the
# same moment never end up sharing one display.

# start_xvfb SIZE LOG: starts Xvfb with a screen of SIZE (e.g. 1280x1024x24),
# its output in LOG, and waits until it answers. Sets xvfb_pid and x_display
# (":N"); on failure prints why, with the end of LOG, and returns 1.
start_xvfb() {
  local size=$1 log=$2 told number=
  told=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$told" >"$log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    number=$(sed -n '1{/^[0-9][0-9]*$/p}' "$told")
    [ -n "$number" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$told"
  if [ -z "$number" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    echo "a virtual X server did not start:" >&2
    tail -n 5 "$log" >&2
    return 1
  fi
  x_display=":$number"
  for _ in $(seq 50); do DISPLAY=$x_display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
