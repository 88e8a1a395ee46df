# Sourced by the scripts that run the Windows builds under wine:
#   orvent_wine_env PREFIX   exports what wine needs (code page 932, quiet,
#                            no Mono/Gecko prompts, a share \\orventsrv\c of
#                            drive C) and makes PREFIX ready; a 64-bit prefix
#                            runs the 32-bit build as 64-bit Windows does
#   orvent_have_wine32       true when wine can run 32-bit programs
#   orvent_start_display     starts a private Xvfb (unless a display is set
#                            and ORVENT_FORCE_XVFB is empty)
#   orvent_stop_wine         ends this prefix's wineserver and the Xvfb
#   orvent_window_id TITLE   the X window of the visible window with the title
#   orvent_visible_windows   the place and size of each visible window
#   orvent_screenshot FILE   a picture of the visible windows (a window with
#                            its open menu or dialog), not of the whole screen

orvent_have_wine32() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"
}

# The wine installation a prefix was made by: a prefix made before wine32
# came cannot load the 32-bit kernel32, so it is made again when this changes.
orvent_wine_installation() {
  { wine --version; dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' 'wine*' 'libwine*' 2>/dev/null | grep ' .'; } | sort
}

orvent_wine_env() {
  export WINEPREFIX="$1"
  export WINEARCH=win64
  export WINEDEBUG=${ORVENT_WINEDEBUG:--all}
  # Without its debugger a program that crashes ends at once; with it, wine
  # waits for someone to attend to the crash until the tier's timeout.
  export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
  # Wine takes the ANSI code page from the locale; the suite runs on 932.
  export LANG=ja_JP.UTF-8
  export LC_ALL=ja_JP.UTF-8
  # A prefix is usable once wineboot has written its registry; a half-made
  # one from an interrupted run, or one of another wine, is made again.
  local installation
  installation=$(orvent_wine_installation)
  if [ "$(cat "$WINEPREFIX/.orvent-ready" 2>/dev/null)" != "$installation" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "Making the wine prefix $WINEPREFIX (a first start of wine, about 30 s)..."
    wineboot -i >/dev/null 2>&1 || true
    # Without a window manager, wine waits about 2 s on every hidden or
    # destroyed window unless its windows are unmanaged.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    echo "$installation" > "$WINEPREFIX/.orvent-ready"
  fi
  # The dialog fonts of Japanese Windows are proportional; without this wine
  # falls back to a fixed-pitch face and the texts run wider than designed.
  if [ ! -f "$WINEPREFIX/.orvent-fonts" ]; then
    local face
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic" "MS PGothic"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "$face" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.orvent-fonts"
  fi
  # Wine looks for its own fonts in a folder that Debian's packages do not
  # use (its data folder is reckoned from /usr/lib/wine), so it never finds
  # Marlett, with which it draws the caption buttons: another face then draws
  # the letters 0, 1 and r that stand for minimise, maximise and close.
  # In the prefix's font folder wine finds it.
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp "$marlett" "$fonts/"
  fi
  # The user's Documents, Desktop and the like are links to the home folder;
  # folders in the prefix instead keep what the programs write there in it.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos}; do
    if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
  done
  # Wine finds \\server\share under dosdevices/unc: a share of drive C's
  # root gives the tests a network path that is there.
  mkdir -p "$WINEPREFIX/dosdevices/unc/orventsrv"
  ln -sfn ../../../drive_c "$WINEPREFIX/dosdevices/unc/orventsrv/c"
}

ORVENT_XVFB_PID=""
orvent_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${ORVENT_FORCE_XVFB:-}" ]; then
    return 0
  fi
  # Xvfb picks a free display number itself and reports it on fd 3; it
  # keeps its state (the pointer among it) when its last client leaves.
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${ORVENT_XVFB_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
  ORVENT_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  if [ ! -s "$display_file" ]; then
    rm -f "$display_file"
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$display_file")"
  rm -f "$display_file"
}

orvent_stop_wine() {
  # Only this prefix's server; other prefixes on the machine are left alone.
  wineserver -k 2>/dev/null || true
  if [ -n "$ORVENT_XVFB_PID" ]; then
    kill "$ORVENT_XVFB_PID" 2>/dev/null || true
    ORVENT_XVFB_PID=""
  fi
}

orvent_window_id() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk -v t="\"$1\":" 'index($0, t) {print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
  done
  return 1
}

# Each top-level window, menu and dialog under wine is an X window of its
# own: "x y width height" of each visible one, a line each.
orvent_visible_windows() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
    xwininfo -id "$id" 2>/dev/null
  done | awk -F': *' '/Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
    /Width:/ {w = $2} /Height:/ {h = $2}
    /Map State:/ && $2 == "IsViewable" && w > 1 && h > 1 {print x, y, w, h}'
}

# The picture is the rectangle around the visible windows, cut from the
# screen so that a menu or dialog over its window is in it.
orvent_screenshot() {
  local box
  box=$(orvent_visible_windows | awk '
    !n++ || $1 < l {l = $1} n == 1 || $2 < t {t = $2}
    $1 + $3 > r {r = $1 + $3} $2 + $4 > b {b = $2 + $4}
    END { if (n) { l = l < 0 ? 0 : l; t = t < 0 ? 0 : t; printf "%dx%d+%d+%d", r - l, b - t, l, t } }')
  [ -n "$box" ] && import -display "$DISPLAY" -window root -crop "$box" +repage "$1"
}
