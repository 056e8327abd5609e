#!/usr/bin/env bash
# Builds the fuzz targets in fuzz/ with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each on its seed corpus.
#   scripts/fuzz.sh                 2000 runs of each target (what the tests do)
#   scripts/fuzz.sh 1000000         a million runs of each
#   scripts/fuzz.sh 0 600           each target for ten minutes
# New inputs are kept in the build folder, never in the checked-in corpus; a
# failing input is written to the current folder as crash-*, leak-* or timeout-*.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
RUNS=${1:-2000}
SECONDS_EACH=${2:-0}
BUILD_DIR=${CHRONELLE_FUZZ_BUILD_DIR:-$ROOT/build/fuzz}

if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed (Debian packages clang and libclang-rt-14-dev)" >&2
  exit 77
fi
cmake -S "$ROOT/fuzz" -B "$BUILD_DIR" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR"

# Qt keeps some memory until the very end on purpose; that is no leak of ours.
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
for target in catalogue alarmfile gate clocksettings animatorscript alarmstates calendar; do
  found="$BUILD_DIR/corpus/$target"
  mkdir -p "$found"
  # The calendar import starts from the test calendars, each producer's layout.
  [ "$target" = calendar ] && cp "$ROOT"/tests/calendar/*.ics "$found"/
  limit=(-runs="$RUNS")
  [ "$SECONDS_EACH" -gt 0 ] && limit=(-max_total_time="$SECONDS_EACH")
  echo "== fuzz_$target ${limit[*]}"
  "$BUILD_DIR/fuzz_$target" "${limit[@]}" -max_len=8192 -timeout=10 -print_final_stats=1 \
    "$found" "$ROOT/fuzz/corpus/$target" 2>&1 | grep -v -e '^#[0-9]' || { echo "fuzz_$target failed" >&2; exit 1; }
done
echo "== every target ran clean"
