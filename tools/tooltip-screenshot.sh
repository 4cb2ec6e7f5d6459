#!/usr/bin/env bash
# Captures the README's tooltip picture from a live StatusNotifier host: the built program, its clock
# set to 13:33 in Tunis by faketime, in XFCE's panel on a private Xvfb display and session bus, with
# the pointer resting on its icon. Needs xvfb, dbus, xfce4-panel, xdotool, faketime and imagemagick.
# Usage: tools/tooltip-screenshot.sh [OUT.png [LANG]], e.g. LANG ar_TN.UTF-8 for the Arabic tooltip.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
out=${1:-$top/docs/tooltip.png}
export NURO_LANG=${2:-C.UTF-8}
for tool in Xvfb dbus-run-session xfce4-panel xdotool faketime import; do
  command -v "$tool" >/dev/null || { echo "tooltip-screenshot: $tool is missing" >&2; exit 1; }
done

trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "${work:-}"' EXIT
. "$top/tools/private-display.sh" 800x600
export NURO_BIN="$bin/nuro" SHOT="$work/root.png"

# Everything that needs the bus runs inside its session; the panel's first-start question takes its
# default (Return), the program starts hidden as at log-on (S).
dbus-run-session -- bash -c '
  xfce4-panel --disable-wm-check >/dev/null 2>&1 &
  sleep 3; xdotool key Return; sleep 2
  LANG=$NURO_LANG faketime "2026-12-09 12:33:20" "$NURO_BIN" S >/dev/null 2>&1 &
  sleep 4
  # On this 800-pixel screen the default panel puts the tray icon left of its clock, top right.
  xdotool mousemove 673 12; sleep 0.3; xdotool mousemove 674 13; sleep 2.5
  import -window root "$SHOT"
  kill %2 %1 2>/dev/null || true
' 2>/dev/null
# The tooltip sits under the icon at the screen'"'"'s top right.
convert "$work/root.png" -crop 230x200+570+22 +repage "$out"
echo "wrote $out"
