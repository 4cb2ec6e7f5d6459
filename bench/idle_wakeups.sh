#!/usr/bin/env bash
# Wake-ups of the running program when idle: starts build/bin/nuro on its default place under a
# private Xvfb display and prints, per thread and in all, the voluntary context switches per second
# over N seconds (default 20). Usage: bench/idle_wakeups.sh [seconds] [display number]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${NURO_BUILD_DIR:-$top/build}/bin
seconds=${1:-20}
display=:${2:-99}
command -v Xvfb >/dev/null || { echo "idle_wakeups: Xvfb is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${nuro_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
DISPLAY=$display XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
  "$bin/nuro" >/dev/null 2>&1 &
nuro_pid=$!
sleep 3 # past the start-up

switches() {  # "tid name count" per thread
  for task in /proc/"$nuro_pid"/task/*; do
    echo "$(basename "$task") $(cat "$task/comm" | tr ' ' _) $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
  done
}
switches >"$work/before"
sleep "$seconds"
switches >"$work/after"
echo "nuro idle for $seconds s: voluntary context switches per second"
join "$work/before" "$work/after" | awk -v s="$seconds" '
  { rate = ($5 - $3) / s; total += rate; printf "  thread %-8s %-16s %7.2f\n", $1, $2, rate }
  END { printf "  all threads               %7.2f\n", total }'
