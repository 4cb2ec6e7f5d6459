#!/usr/bin/env bash
# Captures the README's GNOME label picture from a live gnome-shell 43 (X11 compositor on a private
# Xvfb display, Mesa's software GL) with the AppIndicator extension, then clicks the icon as a user
# would and prints what each click did. The program runs with TRAY_LABEL=1, its clock set to 13:33
# in Tunis by faketime. A manual step, not part of CI: needs xvfb, dbus, gnome-shell,
# gnome-shell-extension-appindicator (and gjs for its notifications), xdotool, faketime and
# imagemagick, which tools/packages.txt leaves out on purpose (the shell is many packages).
# Usage: tools/gnome-label-screenshot.sh [OUT.png]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
out=${1:-$top/docs/gnome-label.png}
for tool in Xvfb dbus-daemon dbus-run-session gnome-shell gsettings xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "gnome-label-screenshot: $tool is missing" >&2; exit 1; }
done
extension=ubuntu-appindicators@ubuntu.com # Debian's name for the AppIndicator extension
[ -d "/usr/share/gnome-shell/extensions/$extension" ] ||
  { echo "gnome-label-screenshot: the AppIndicator extension is missing" >&2; exit 1; }

trap 'kill "${bus_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "${work:-}"' EXIT
. "$top/tools/private-display.sh" 1280x800
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state"
export XDG_CACHE_HOME="$work/home/cache" XDG_SESSION_TYPE=x11 XDG_CURRENT_DESKTOP=GNOME
mkdir -p "$HOME" "$XDG_CONFIG_HOME/nuro"
{ cat "$top/data/nuro.ini"; echo "TRAY_LABEL=1"; } >"$XDG_CONFIG_HOME/nuro/nuro.ini"

# The shell takes logind's place from the system bus when /run/systemd/seats exists; a private bus
# of its own, where nobody answers, lets it start without a seat.
dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$work/bus.addr" 5>"$work/bus.pid"
bus_pid=$(cat "$work/bus.pid")
export DBUS_SYSTEM_BUS_ADDRESS=$(cat "$work/bus.addr") NURO_BIN="$bin/nuro" EXTENSION=$extension SHOTS=$work
export OUT_REPORT="$work/report" FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$FAKETIME_LIB" ] || { echo "gnome-label-screenshot: faketime is missing" >&2; exit 1; }

dbus-run-session -- bash -c '
  gsettings set org.gnome.shell enabled-extensions "[\"$EXTENSION\"]"
  gsettings set org.gnome.shell welcome-dialog-last-shown-version "999"
  gnome-shell --x11 --replace >"$SHOTS/shell.log" 2>&1 &
  shell=$!
  sleep 12; xdotool key Escape; sleep 1   # the shell starts in its overview
  # libfaketime itself rather than the faketime wrapper, so that $! is the program.
  LANG=C.UTF-8 LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-09 12:33:20" "$NURO_BIN" S >/dev/null 2>&1 &
  nuro=$!
  sleep 6
  import -window root "$SHOTS/root.png"
  # On this 1280-pixel screen the icon sits left of its label, left of the system menu, top right.
  icon="1134 16"
  shown() { xdotool search --onlyvisible --class nuro 2>/dev/null | wc -l; }
  menu_open() {  # whether a grey menu covers the blue background under the icon
    import -window root -crop 100x20+1060+55 +repage "$SHOTS/menu.png"
    [ "$(convert "$SHOTS/menu.png" -format "%[fx:mean.r>0.12?1:0]" info:)" = 1 ] && echo yes || echo no
  }
  report() { echo "$1: window shown $(shown), menu open $(menu_open)" >>"$OUT_REPORT"; }
  xdotool mousemove $icon; sleep 3; import -window root "$SHOTS/hover.png"
  report "before"
  xdotool click 1; sleep 1.5; report "left click"
  xdotool key Escape; sleep 1
  xdotool click --repeat 2 --delay 120 1; sleep 1.5; report "double click"
  xdotool key Escape; sleep 1
  xdotool click 3; sleep 1.5; report "right click"
  xdotool key Escape
  kill $nuro $shell 2>/dev/null || true
' 2>/dev/null
cat "$OUT_REPORT"
# The icon and its label, between the clock and the system menu.
convert "$work/root.png" -crop 240x32+1040+0 +repage "$out"
convert "$work/hover.png" -crop 400x120+880+0 +repage "${out%.png}-hover.png"
echo "wrote $out and ${out%.png}-hover.png (look for a tooltip there)"
