#!/usr/bin/env bash
# End-to-end tier: runs the Windows build of the Selector under wine on a
# private Xvfb display and drives it with orvent_e2e.exe.
#
#   scripts/e2e.sh BUILD_DIR [gtest options...]
#
# BUILD_DIR is a Windows build (32- or 64-bit): its own ORVENTLancher.exe is
# driven, or the one ORVENT_E2E_SELECTOR names (a release's, say). The wine
# prefix is ORVENT_WINEPREFIX, or BUILD_DIR/wineprefix, and is reused once
# initialised. A whole run
# (no gtest options) runs the journeys at 96 DPI, then those named "...Dpi"
# again at 120, 144 and 192 DPI. When
# ORVENT_SCREENSHOTS names a folder, pictures of the Selector's windows are
# saved there at the moments the tests ask for them.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [gtest options...]" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd)
shift

selector=${ORVENT_E2E_SELECTOR:-$build_dir/ORVENTLancher.exe}
e2e_bin="$build_dir/tests/e2e"
driver="$e2e_bin/orvent_e2e.exe"
for f in "$selector" "$driver" "$build_dir/demo/orvent_member.exe"; do
  if [[ ! -f $f ]]; then
    echo "e2e: missing $f (build the ORVENTLancher, orvent_e2e and orvent_member targets)" >&2
    exit 2
  fi
done

here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

scratch="$build_dir/e2e-scratch"
watcher_pid=""

cleanup() {
  if [[ -n $watcher_pid ]]; then kill "$watcher_pid" 2>/dev/null || true; fi
  orvent_stop_wine
}
trap cleanup EXIT

# Large enough for the selector window at 192 DPI.
ORVENT_FORCE_XVFB=1 ORVENT_XVFB_SCREEN=2560x1600 orvent_start_display
orvent_wine_env "${ORVENT_WINEPREFIX:-$build_dir/wineprefix}"

# Wine takes the DPI from the registry as its server starts.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
set_dpi 96

rm -rf "$scratch"
mkdir -p "$scratch"

export ORVENT_E2E_SELECTOR=$(winepath -w "$selector")
export ORVENT_E2E_MEMBER=$(winepath -w "$build_dir/demo/orvent_member.exe")
export ORVENT_E2E_SCRATCH=$(winepath -w "$scratch")
export ORVENT_E2E_SOURCE=$(winepath -w "$here/..")

# Screenshots: the driver leaves NAME.request in the folder and waits until it
# is gone; NAME.png is taken in between.
if [[ -n ${ORVENT_SCREENSHOTS:-} ]]; then
  mkdir -p "$ORVENT_SCREENSHOTS"
  shots=$(cd "$ORVENT_SCREENSHOTS" && pwd)
  export ORVENT_E2E_SCREENSHOTS=$(winepath -w "$shots")
  (
    while true; do
      for request in "$shots"/*.request; do
        [[ -e $request ]] || continue
        # The Selector's windows: the window with its open menu or dialog.
        orvent_screenshot "${request%.request}.png" 2>/dev/null || true
        rm -f "$request"
      done
      sleep 0.1
    done
  ) &
  watcher_pid=$!
fi

# Runs the driver. Its output goes to a file that is followed until the
# driver ends, not through a pipe: a program the Selector started by mistake
# (a folder window, say) would hold a pipe open for ever. wineserver -k then
# ends such a program.
run_driver() {
  local log result
  log=$(mktemp)
  wine "$driver" "$@" >"$log" 2>&1 &
  local driver_pid=$!
  tail -n +1 -s 0.2 -f --pid="$driver_pid" "$log" | tr -d '\r'
  wait "$driver_pid"
  result=$?
  wineserver -k 2>/dev/null || true
  rm -f "$log"
  return "$result"
}

start=$(date +%s)
set +e
run_driver "$@"
status=$?
if [[ $# -eq 0 ]]; then
  for dpi in 120 144 192; do
    echo "e2e: at $dpi DPI"
    set_dpi "$dpi"
    mkdir -p "$scratch/$dpi"
    ORVENT_E2E_DPI=$dpi ORVENT_E2E_SCRATCH=$(winepath -w "$scratch/$dpi") \
      run_driver --gtest_filter='*Dpi*' || status=1
  done
  set_dpi 96
fi
set -e
echo "e2e: orvent_e2e.exe exited with $status after $(($(date +%s) - start)) s"
exit "$status"
