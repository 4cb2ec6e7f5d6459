#!/usr/bin/env bash
# Measures NURO in KDE Plasma 5.27's system tray: plasmashell on a private Xvfb display (no window
# manager), kded5 with its StatusNotifier watcher. Clicks the icon as a user would and prints what each
# click did; leaves the panel and the tooltip in OUTDIR. The program runs with TRAY_LABEL=1, its clock
# set to 13:33 in Tunis by libfaketime.
# A manual step, not part of CI: needs xvfb, dbus, plasma-workspace and plasma-desktop (some 350
# packages, which tools/packages.txt leaves out on purpose), xdotool, faketime and imagemagick.
# Usage: tools/plasma-tray-check.sh [OUTDIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
outdir=${1:-$PWD}
for tool in Xvfb dbus-run-session plasmashell kded5 gdbus xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "plasma-tray-check: $tool is missing" >&2; exit 1; }
done
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$faketime_lib" ] || { echo "plasma-tray-check: faketime is missing" >&2; exit 1; }

trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "${work:-}"' EXIT
. "$top/tools/private-display.sh" 1280x800
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state"
export XDG_CACHE_HOME="$work/home/cache" XDG_SESSION_TYPE=x11 XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true
mkdir -p "$HOME" "$XDG_CONFIG_HOME/nuro" "$outdir"
{ cat "$top/data/nuro.ini"; echo "TRAY_LABEL=1"; } >"$XDG_CONFIG_HOME/nuro/nuro.ini"
export NURO_BIN="$bin/nuro" FAKETIME_LIB=$faketime_lib OUTDIR=$outdir WORK=$work

dbus-run-session -- bash -c '
  cd "$WORK"
  kded5 >/dev/null 2>&1 &
  sleep 3
  # A Plasma session loads the watcher with kded5; here it is asked for.
  gdbus call --session --dest org.kde.kded5 --object-path /kded \
    --method org.kde.kded5.loadModule statusnotifierwatcher >/dev/null
  plasmashell --no-respawn >/dev/null 2>&1 &
  sleep 20
  LANG=C.UTF-8 LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-09 12:33:20" "$NURO_BIN" S >/dev/null 2>&1 &
  nuro=$!
  sleep 6
  import -window root -crop 260x50+1020+750 +repage "$OUTDIR/plasma-panel.png"
  # On this 1280-pixel screen the icon is the tray'"'"'s first, left of the keyboard layout and the clock.
  icon="1057 774"
  hide="1072 681"   # the menu'"'"'s second item, Hide
  shown() { xdotool search --onlyvisible --class nuro 2>/dev/null | wc -l; }
  menu_open() {  # whether the light menu covers the dark wallpaper above the icon
    import -window root -crop 60x20+1045+640 +repage menu.png
    [ "$(convert menu.png -format "%[fx:mean>0.7?1:0]" info:)" = 1 ] && echo yes || echo no
  }
  report() { echo "$1: windows shown $(shown), menu open $(menu_open)"; }
  xdotool mousemove 600 300 sleep 0.5; report "before"
  xdotool mousemove $icon sleep 3
  import -window root -crop 500x300+780+480 +repage "$OUTDIR/plasma-tooltip.png"
  xdotool click 1 sleep 1.5; report "left click"
  xdotool click 1 sleep 1.5; report "left click again"
  xdotool click 3 sleep 1.5; report "right click"
  xdotool mousemove $hide click 1 sleep 1.5; report "its second item (Hide)"
  xdotool mousemove $icon click --repeat 2 --delay 120 1 sleep 1.5; report "double click"
  xdotool click 3 sleep 1 mousemove $hide click 1 sleep 1.5 mousemove $icon
  xdotool click 2 sleep 1.5; report "middle click (hidden before)"
  kill $nuro 2>/dev/null || true
  kill %2 %1 2>/dev/null || true
' 2>/dev/null
echo "wrote $outdir/plasma-panel.png and plasma-tooltip.png"
