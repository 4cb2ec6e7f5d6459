#!/usr/bin/env bash
# Redraws the README's window and dialog screenshots from the built program on its default place,
# under a private Xvfb display. Needs xvfb, xdotool and imagemagick (import); run after tools/setup.sh.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

trap 'kill "${nuro_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "${work:-}"' EXIT
. "$top/tools/private-display.sh" 1024x768

"$bin/nuro" >/dev/null 2>&1 &
nuro_pid=$!

window() {  # window id of the visible window named exactly $1
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "screenshots: no window '$1'" >&2; exit 1
}
click() {  # click at x y relative to window $1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}
menu() {  # open menu bar entry at x, then the item $2 steps down
  click "$frame" "$1" 10
  xdotool key $(printf 'Down %.0s' $(seq "$2")) Return
}
shot() { sleep 0.7; import -window "$1" "$2"; echo "wrote $2"; }
away() { xdotool windowmove "$1" 1100 0; }        # off the screen, clear of the menu bar

frame=$(window "Tunis, Tunisia")
xdotool mousemove 0 0
shot "$frame" "$top/docs/main-arabic.png"
menu 80 2                                         # Lang / English
xdotool mousemove 0 0
shot "$frame" "$top/docs/main-english.png"
menu 80 1                                         # Lang / Arabic

dialog() {  # menu item $1 of Options opens the dialog captioned $2, drawn into $3
  menu 20 "$1"
  local id
  id=$(window "       $2")
  shot "$id" "$top/dialogs/screenshots/$3.png"
  away "$id"
}
dialog 1 Config config
dialog 2 Expert expert
dialog 3 "Summer Time" summer
click "$frame" 120 10                             # "&?" on the bar itself
shot "$(window '       About')" "$top/dialogs/screenshots/about.png"

# The dialogs under an Arabic locale, as the window layer builds them (no window frame).
for pair in "2 config" "3 expert"; do
  set -- $pair
  LANG=ar_TN.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen "$bin/render-template" "$1" \
    "$top/dialogs/screenshots/$2-arabic.png"
  echo "wrote $top/dialogs/screenshots/$2-arabic.png"
done
