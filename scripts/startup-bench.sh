#!/usr/bin/env bash
# Times the Selector's start to a visible window under wine, with an empty
# history, with 999 rows and with 999 rows on a server that does not exist,
# against a bare empty dialog and one that maps the same DLLs, for the 32-bit
# and the 64-bit build; prints the medians and their ratios.
#   bash scripts/startup-bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
. scripts/wine-env.sh
for preset in win32 win64; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target orvent_startup_bench >/dev/null
done
trap orvent_stop_wine EXIT
ORVENT_FORCE_XVFB=1 orvent_start_display
orvent_wine_env "$root/build/startup-bench/wineprefix"
presets="win64"
if orvent_have_wine32; then presets="win32 win64"; else echo "no wine32: the 32-bit build is not timed"; fi
for preset in $presets; do
  # The program alone in its folder, as it is installed.
  program="$root/build/startup-bench/$preset"
  mkdir -p "$program"
  cp build/$preset/ORVENTLancher.exe "$program/"
  wine build/$preset/bench/startup/orvent_startup_bench.exe \
    "$(winepath -w "$program/ORVENTLancher.exe")" "${1:-9}" | tr -d '\r'
done
