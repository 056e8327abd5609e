#!/usr/bin/env bash
# Installs what Chronelle needs on Debian 12, then configures and builds it.
#   scripts/setup.sh run    packages to build and run
#   scripts/setup.sh test   those and the test services; warnings are errors
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
fi

werror=OFF
[ "$MODE" = test ] && werror=ON
echo "== configuring and building in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONELLE_WERROR=$werror >/dev/null
cmake --build "$BUILD_DIR"
