#!/usr/bin/env bash
# Builds ORVENTLancher.exe and starts it under wine (Debian 12, as root).
# With a display ($DISPLAY set) the program runs there until it is closed.
# Without one it runs on a virtual display: a screenshot of the selector
# window is saved, its path printed, and the program is closed.
# It runs the 32-bit build, which ships, or the 64-bit one without wine32.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
. scripts/wine-env.sh

cmake --preset win32 >/dev/null && cmake --build --preset win32 --target ORVENTLancher >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target ORVENTLancher >/dev/null
build=win64
orvent_have_wine32 && build=win32
echo "Built build/win32/ORVENTLancher.exe (ships) and build/win64/ORVENTLancher.exe; running the $build build."

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
orvent_start_display
orvent_wine_env "$root/build/wineprefix"

# The program folder: the executable and, beside it, whatever the user puts
# there (member applications, the manual).
program="$root/build/program"
mkdir -p "$program"
cp "build/$build/ORVENTLancher.exe" "$program/"
cd "$program"

if [ "$headless" -eq 0 ]; then
  exec wine ORVENTLancher.exe "$@"
fi

wine ORVENTLancher.exe "$@" &
for _ in $(seq 1 300); do
  xwininfo -root -tree 2>/dev/null | grep -q '"ORVENT Project Selector"' && break
  sleep 0.1
done
sleep 1
shots="$root/build/screenshots"
mkdir -p "$shots"
import -window root -crop 800x600+0+0 "$shots/selector.png"
orvent_stop_wine
echo "No display was set: the program ran on a virtual display."
echo "Screenshot of the selector window: $shots/selector.png"
