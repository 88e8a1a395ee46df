#!/usr/bin/env bash
# Builds ORVENTLancher.exe and starts it under wine in a demonstration: the
# Selector in its program folder with the suite's member applications beside
# it (demo/member, one program under the five names, which shows how it was
# started), sample projects in the user's documents, made as the project
# dialog makes them, and the history they leave. It runs the 32-bit build,
# which ships, or the 64-bit one where wine32 is missing.
#
#   bash scripts/run.sh [--plain] [--pictures FOLDER] [ARGUMENTS...]
#
# With a display ($DISPLAY set) the program runs there until it is closed.
# Without one it runs on a virtual display: it takes a picture of the selector
# window, starts the first project with a double click, takes a picture of the
# member application's window, prints where both are and ends all it started.
#   --plain     the program alone, without members, projects or history: a
#               user's first start
#   --pictures  without a display, also the context menu, the about box, the
#               project dialogs and the window at 144 DPI, every picture in
#               FOLDER (the test command makes the README's pictures so)
# Other arguments go to ORVENTLancher.exe (a project file, say).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

plain=0
pictures=""
while [ $# -gt 0 ]; do
  case $1 in
    --plain) plain=1 ;;
    --pictures) pictures=$2 && shift ;;
    *) break ;;
  esac
  shift
done

fail() {
  echo "run.sh: $*" >&2
  exit 1
}

bash scripts/install-deps.sh || fail "the packages above are missing"
. scripts/wine-env.sh

mkdir -p build/logs
log="$root/build/logs/run-build.log"
echo "Building the 32-bit and the 64-bit program (a first build takes a few minutes)..."
for preset in win32 win64; do
  { cmake --preset $preset && cmake --build --preset $preset --target ORVENTLancher orvent_member; } \
    >"$log" 2>&1 || { tail -n 30 "$log" >&2; fail "the $preset build failed (whole log: $log)"; }
done
build=win64
files="Program Files"
if orvent_have_wine32; then
  build=win32
  files="Program Files (x86)"
fi
echo "Built build/win32/ORVENTLancher.exe (ships) and build/win64/ORVENTLancher.exe; running the $build build."

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
trap orvent_stop_wine EXIT
echo "Starting wine..."
# Room for the window at 144 DPI.
[ -n "$pictures" ] && export ORVENT_XVFB_SCREEN=1920x1200
orvent_start_display || fail "the virtual display did not start"
orvent_wine_env "$root/build/wineprefix"

# The program folder, as an installation of the suite has it.
program="$WINEPREFIX/drive_c/$files/ORVENT"
profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
[ -n "$profile" ] || fail "the wine prefix has no user folder"
rm -rf "$program"
mkdir -p "$program"
cp "build/$build/ORVENTLancher.exe" "$program/"
settings="$profile/AppData/Roaming/ORVENT V5_2/orvent.ini"
projects="C:\\users\\$(basename "$profile")\\Documents\\ORVENT Projects\\"
if [ "$plain" -eq 1 ]; then
  rm -f "$settings"
  echo "The Selector in C:\\$files\\ORVENT, alone: a first start with an empty history."
else
  for member in ORVENTBasic ORVENTEnergy ORVENTExtremeWind ORVENTWindFarm ORVENTBasicEW; do
    cp "build/$build/demo/orvent_member.exe" "$program/$member.exe"
  done
  python3 demo/samples.py "$profile" "C:\\users\\$(basename "$profile")" "$(cat "build/$build/version.txt")" ||
    fail "the sample projects could not be made"
  echo "The Selector in C:\\$files\\ORVENT with the five member applications beside it;"
  echo "sample projects in $projects and their history."
fi
cd "$program"

if [ "$headless" -eq 0 ]; then
  echo "A double click on a row starts its member application, which shows how it was started."
  trap - EXIT
  exec wine ORVENTLancher.exe "$@"
fi
# Without a display the window opens as at a first start, centred, not where
# an earlier demonstration left it.
wine reg delete 'HKCU\Software\ORVENT\Project Selector' /f >/dev/null 2>&1 || true

title="ORVENT Project Selector"
# Waits up to 30 s for the window with the title to show, or to go ("gone").
wait_window() {
  for _ in $(seq 300); do
    if orvent_window_id "$1" >/dev/null; then [ "${2:-}" != gone ] && return 0
    elif [ "${2:-}" = gone ]; then return 0; fi
    sleep 0.1
  done
  return 1
}
# Waits up to 10 s for the number of visible windows (a menu is one).
wait_windows() {
  for _ in $(seq 100); do
    [ "$(orvent_visible_windows | wc -l)" -eq "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
input() { python3 "$root/scripts/x11_input.py" "$@"; }
shot() {
  mkdir -p "$shots"
  sleep 0.5
  orvent_screenshot "$shots/$1.png" || fail "the picture $1.png could not be taken"
  echo "$2: $shots/$1.png"
}
start_selector() {
  # The pointer out of the way, lest a tooltip show where it rests.
  input move 0 0
  wine ORVENTLancher.exe "$@" >/dev/null 2>&1 &
  wait_window "$title" || fail "the selector window did not show within 30 s"
}
# Where a row of the grid lies on the screen: the current row is drawn in the
# highlight colour, and every row is as high.
row_point() {
  local id=$1 row=$2 colour geometry x y
  colour=$(wine reg query 'HKCU\Control Panel\Colors' /v Hilight 2>/dev/null | tr -d '\r' |
    awk '/Hilight/ {print "rgb(" $3 "," $4 "," $5 ")"}')
  geometry=$(xwininfo -id "$id" | awk -F': *' '/Absolute upper-left X/ {x = $2}
    /Absolute upper-left Y/ {print x, $2}')
  read -r x y <<<"$geometry"
  # Below the caption, which may be drawn in the same colour.
  import -display "$DISPLAY" -window "$id" png:- |
    convert png:- -crop 100%x90%+0+40 +repage -fill black +opaque "${colour:-rgb(0,120,215)}" \
      -format '%@' info: |
    awk -F'[x+]' -v x="$x" -v y="$((y + 40))" -v row="$row" \
      '$1 > 0 && $2 > 0 {print x + $3 + 40, y + $4 + $2 * row + int($2 / 2)}'
}

shots=${pictures:-$root/build/screenshots}
start_selector "$@"
selector=$(orvent_window_id "$title")
shot selector "The selector window"
[ "$plain" -eq 1 ] && { echo "No display was set: the program ran on a virtual display and was ended."; exit 0; }
read -r x y < <(row_point "$selector" 0) || fail "the grid's first row was not found on the screen"

if [ -n "$pictures" ]; then
  # The context menu of a row, below which the rows of the deleted project
  # and of the one on the missing server are grey.
  read -r mx my < <(row_point "$selector" 2) || fail "the grid's third row was not found on the screen"
  input click "$mx" "$my" 3
  wait_windows 2 || fail "the context menu did not open"
  shot context_menu "The context menu"
  input key Escape
  wait_windows 1 || fail "the context menu did not close"
  # The about item is the system menu's last.
  input key alt+space
  wait_windows 2 || fail "the system menu did not open"
  input key Up Return
  wait_window "About ORVENT Project Selector" || fail "the about box did not open"
  shot about "The about box"
  input key Return
  wait_window "About ORVENT Project Selector" gone || fail "the about box did not close"
  input key alt+n
  wait_window "$title - Create New Project" || fail "the project dialog did not open"
  input type "Cape Hill North"
  input key Tab
  input type "$projects"
  shot project_create "Creating a project"
  input key Escape
  wait_window "$title - Create New Project" gone || fail "the project dialog did not close"
  # The grid narrowed to the projects with "site" in their names or folders;
  # Esc in the filter shows every row again.
  input key ctrl+f
  input type "site"
  shot filter "The grid filtered"
  input key Escape
fi

rm -f start_record.txt
input click "$x" "$y" 1 2
for _ in $(seq 150); do
  [ -s start_record.txt ] && break
  sleep 0.1
done
[ -s start_record.txt ] || fail "the double click on the first row started no member application within 15 s"
record=$(iconv -f CP932 -t UTF-8 start_record.txt | tr -d '\r')
member=$(cut -d'|' -f1 <<<"$record")
member=${member##*\\}
wait_window "$member - member application (demonstration)" || fail "the window of $member did not show"
wait_window "$title" gone || fail "the selector window stayed after the start"
echo "The first project started $member with the command line"
echo "  $(cut -d'|' -f2 <<<"$record")"
shot member "The window of $member"

if [ -n "$pictures" ]; then
  end_wine() { wineserver -k 2>/dev/null; wineserver -w; }
  end_wine
  # A project file named on the command line opens the project dialog on it.
  start_selector "${projects}Cape Hill\\Cape Hill.mbc"
  wait_window "$title - Select Open Project" || fail "the project dialog did not open on the project"
  shot project_open "Opening a project"
  end_wine
  # Wine takes the DPI from the registry as its server starts; whatever
  # happens, the prefix is left at 96 DPI.
  set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    end_wine
  }
  trap 'set_dpi 96; orvent_stop_wine' EXIT
  set_dpi 144
  start_selector
  shot dpi_144 "At 144 DPI"
fi
echo "No display was set: the programs ran on a virtual display and were ended."
