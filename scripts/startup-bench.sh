#!/usr/bin/env bash
# Times the Selector's start to a visible window under wine, with an empty
# history and with 999 rows, and prints both medians and their ratio.
#   bash scripts/startup-bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
. scripts/wine-env.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target orvent_startup_bench >/dev/null
trap orvent_stop_wine EXIT
ORVENT_FORCE_XVFB=1 orvent_start_display
orvent_wine_env "$root/build/startup-bench/wineprefix"
program="$root/build/startup-bench"
mkdir -p "$program"
cp build/win64/ORVENTLancher.exe "$program/"
wine build/win64/bench/startup/orvent_startup_bench.exe "$(winepath -w "$program/ORVENTLancher.exe")" "${1:-9}" | tr -d '\r'
