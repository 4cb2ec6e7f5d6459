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
# A home of its own holding the installed settings: without a settings file the first start would
# open Config to choose a place.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state" XDG_CACHE_HOME="$work/home/cache"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/nuro"
cp "$top/data/nuro.ini" "$XDG_CONFIG_HOME/nuro/nuro.ini"

"$bin/nuro" >/dev/null 2>&1 &
nuro_pid=$!

window() {  # window id of the visible window named exactly $1, leading blanks aside
  # Compared here, not by xdotool's pattern, which misses names beyond Latin-1.
  local id name
  for _ in $(seq 300); do  # a loaded machine may take seconds to show a window
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
      name=${name#"${name%%[! ]*}"}
      [ "$name" = "$1" ] && { echo "$id"; return; }
    done
    sleep 0.1
  done
  echo "screenshots: no window '$1'; there are:" >&2
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do xdotool getwindowname "$id" >&2; done
  exit 1
}
click() {  # click at x y relative to window $1 (x from the right edge when $mirror is set)
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local x=$2
  [ -n "${mirror:-}" ] && x=$((WIDTH - $2))
  xdotool mousemove $((X + x)) $((Y + $3)) click 1
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
  id=$(window "$2")
  shot "$id" "$top/dialogs/screenshots/$3.png"
  away "$id"
}
dialog 1 Config config
dialog 2 Expert expert
dialog 3 "Summer Time" summer
click "$frame" 120 10                             # "&?" on the bar itself
shot "$(window About)" "$top/dialogs/screenshots/about.png"

# The dialogs of the running program under other locales: the place as the language writes it, the
# menu bar mirrored for right-to-left, the captions translated. Each line: locale|window title|
# mirrored (1 or empty)|Options item|caption|picture.
while IFS='|' read -r locale title rtl item caption picture; do
  kill "$nuro_pid"; wait "$nuro_pid" 2>/dev/null || true
  LANG=$locale LC_ALL= LC_MESSAGES= LANGUAGE= "$bin/nuro" >/dev/null 2>&1 &
  nuro_pid=$!
  mirror=$rtl
  frame=$(window "$title")
  menu 20 "$item"
  id=$(window "$caption")
  shot "$id" "$top/dialogs/screenshots/$picture.png"
done <<'EOF'
ar_TN.UTF-8|تونس|1|1|الإعدادات|config-arabic
ar_TN.UTF-8|تونس|1|2|متقدم|expert-arabic
tr_TR.UTF-8|Tunus||1|Ayarlar|config-turkish
ur_PK.UTF-8|تونس شہر|1|1|ترتیبات|config-urdu
bn_BD.UTF-8|Tunis, Tunisia||1|সেটিংস|config-bengali
EOF
