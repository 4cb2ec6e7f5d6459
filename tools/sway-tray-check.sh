#!/usr/bin/env bash
# Measures NURO in sway 1.7 with waybar's tray on Wayland: sway runs on a private Xvfb display (its X11
# backend, pixman rendering) so that xdotool's pointer is a real seat pointer for waybar, and the
# program runs as a Wayland client. Prints what each click on the icon did and what an alert did, and
# leaves the bar, the tooltip and the alert's screen in OUTDIR. The program's clock is set by
# libfaketime: 13:33 in Tunis for the clicks, just before Aser (14:45) for the alert.
# A manual step, not part of CI: needs xvfb, dbus, sway, waybar, grim, xdotool, faketime and
# imagemagick; mako-notifier (started by D-Bus) for the notification, weston's weston-terminal for a
# full-screen window over the notice. Sway refuses to run as root: run it as a normal user.
# Usage: tools/sway-tray-check.sh [OUTDIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
outdir=${1:-$PWD}
for tool in Xvfb dbus-run-session sway waybar grim swaymsg xdotool convert; do
  command -v "$tool" >/dev/null || { echo "sway-tray-check: $tool is missing" >&2; exit 1; }
done
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$faketime_lib" ] || { echo "sway-tray-check: faketime is missing" >&2; exit 1; }
[ "$(id -u)" != 0 ] || { echo "sway-tray-check: sway does not run as root" >&2; exit 1; }

trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "${work:-}"' EXIT
. "$top/tools/private-display.sh" 1280x800
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state"
export XDG_CACHE_HOME="$work/home/cache" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
mkdir -p "$HOME" "$XDG_CONFIG_HOME/nuro" "$outdir"
{ cat "$top/data/nuro.ini"; echo "TRAY_LABEL=1"; } >"$XDG_CONFIG_HOME/nuro/nuro.ini"
cat >"$work/waybar.json" <<'EOF'
{ "layer": "top", "position": "top", "height": 30,
  "modules-left": ["sway/workspaces"], "modules-center": ["clock"], "modules-right": ["tray"],
  "tray": { "icon-size": 20, "spacing": 8 } }
EOF
cat >"$work/sway.conf" <<EOF
output X11-1 resolution 1280x800 position 0 0
exec waybar -c $work/waybar.json -s /etc/xdg/waybar/style.css >$work/waybar.log 2>&1
EOF
export WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1
export NURO_BIN="$bin/nuro" FAKETIME_LIB=$faketime_lib WORK=$work OUTDIR=$outdir

dbus-run-session -- bash -c '
  cd "$WORK"
  sway -c sway.conf >sway.log 2>&1 &
  sway_pid=$!
  for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && break; sleep 0.1; done
  export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) WAYLAND_DISPLAY=wayland-1
  # Services started by D-Bus (mako) find the compositor, as a desktop session arranges.
  dbus-update-activation-environment WAYLAND_DISPLAY SWAYSOCK XDG_CURRENT_DESKTOP
  sleep 3
  nuro_at() {  # starts the program hidden, its clock at $1 (UTC)
    LANG=C.UTF-8 LD_PRELOAD=$FAKETIME_LIB FAKETIME="@$1" "$NURO_BIN" S >nuro.log 2>&1 &
    nuro=$!
  }
  windows() {  # NURO'"'"'s windows as sway has them: title, focused, visible
    swaymsg -t get_tree | python3 -c "
import json, sys
def walk(n):
    if n.get(\"app_id\") == \"nuro\":
        print(\"%s(%s%s)\" % (n[\"name\"], \"focused\" if n[\"focused\"] else \"unfocused\", \"\" if n[\"visible\"] else \", hidden\"), end=\" \")
    for c in n.get(\"nodes\", []) + n.get(\"floating_nodes\", []): walk(c)
walk(json.load(sys.stdin)); print()"
  }
  menu_open() {  # whether a light menu covers the dark background under the icon
    grim -g "1150,45 80x20" menu.png
    [ "$(convert menu.png -format "%[fx:mean>0.5?1:0]" info:)" = 1 ] && echo yes || echo no
  }
  report() { echo "$1: windows $(windows)| menu open $(menu_open)"; }

  nuro_at "2026-12-09 12:33:20"
  sleep 5
  grim -g "0,0 1280x30" "$OUTDIR/sway-bar.png"
  icon="1258 14"   # the tray is the bar'"'"'s last module, at its right end
  xdotool mousemove 900 400 sleep 0.3 mousemove $icon sleep 3
  grim -g "720,0 560x260" "$OUTDIR/sway-tooltip.png"
  report "before"
  xdotool click 1 sleep 1.5; report "left click"
  xdotool click 1 sleep 1.5; report "left click again"
  xdotool click 3 sleep 1.5; report "right click"
  xdotool mousemove 1200 53 click 1 sleep 1.5; report "its second item (Hide)"
  xdotool mousemove $icon click --repeat 2 --delay 120 1 sleep 1.5; report "double click"
  xdotool click 3 sleep 1.5 mousemove 1200 53 click 1 sleep 1.5 mousemove $icon sleep 0.3
  xdotool click 2 sleep 1.5; report "middle click (hidden before)"
  kill $nuro; wait $nuro 2>/dev/null || true

  # The alert while a full-screen window has the focus, then after it leaves full screen.
  if command -v weston-terminal >/dev/null; then
    weston-terminal >/dev/null 2>&1 &
    term=$!
    sleep 2
    swaymsg "[app_id=org.freedesktop.weston.wayland-terminal] fullscreen enable" >/dev/null
  fi
  nuro_at "2026-12-09 13:44:50"
  sleep 16
  echo "alert under a full-screen window: windows $(windows)"
  grim "$OUTDIR/sway-alert-fullscreen.png"
  if [ -n "${term:-}" ]; then
    swaymsg "[app_id=org.freedesktop.weston.wayland-terminal] fullscreen disable" >/dev/null
    sleep 1
  fi
  echo "after full screen: windows $(windows)"
  if command -v makoctl >/dev/null; then
    echo "notifications shown by mako: $(makoctl list | python3 -c "import json, sys; print([n[\"summary\"][\"data\"] for n in json.load(sys.stdin)[\"data\"][0]])")"
  else
    echo "no notification server (mako) installed"
  fi
  xdotool mousemove 900 700 sleep 0.5
  grim "$OUTDIR/sway-alert.png"
  kill $nuro ${term:-} 2>/dev/null || true
  swaymsg exit >/dev/null 2>&1 || kill $sway_pid
  wait 2>/dev/null || true
' 2>/dev/null
echo "wrote $outdir/sway-bar.png, sway-tooltip.png, sway-alert-fullscreen.png and sway-alert.png"
