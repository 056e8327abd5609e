#!/usr/bin/env bash
# Installs what Chronelle needs on Debian 12, then configures and builds it.
#   scripts/setup.sh run    packages to build and run; builds the program only
#   scripts/setup.sh test   those and the test services; builds everything,
#                           warnings are errors
# Nothing is installed, and the package lists are not even refreshed, when
# every package is there already: a second run needs neither root nor network.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MODE=${1:-run}
BUILD_DIR=${CHRONELLE_BUILD_DIR:-$ROOT/build}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

lists=("$ROOT/scripts/packages-run.txt")
[ "$MODE" = test ] && lists+=("$ROOT/scripts/packages-test.txt")
mapfile -t wanted < <(cat "${lists[@]}" | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$')

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  # A name that apt accepts but that never reads as installed (a virtual
  # package) would send every later run to the network again: refuse it here.
  for pkg in "${missing[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      echo "setup: '$pkg' in the package lists is not a real package name; name the package that provides it" >&2
      exit 1
    fi
  done
fi

# Warnings are errors for the test command, as in CI. The run command keeps
# what the build folder has (off in a new one): switching the flag would
# rebuild everything, so running the program after the tests costs nothing.
werror=()
[ "$MODE" = test ] && werror=(-DCHRONELLE_WERROR=ON)
echo "== configuring and building in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" >/dev/null
if [ "$MODE" = test ]; then
  cmake --build "$BUILD_DIR"
else
  # The program and what an install takes; tests and benchmarks are left out.
  cmake --build "$BUILD_DIR" --target chronelle_installable
fi
