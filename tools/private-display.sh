# Sourced by the screenshot tools: a private Xvfb display of size $1 (e.g. 1024x768) with its own
# config and runtime folders under $work. Sets work and xvfb_pid and exports DISPLAY; the caller's
# EXIT trap ends Xvfb and removes $work.
work=$(mktemp -d)
mkdir -p "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
