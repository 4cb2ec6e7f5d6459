#!/usr/bin/env bash
# Sets up and builds (tools/setup.sh), then starts NURO on its default place. Without a display it
# prints today's times for the default place instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh" >&2
bin=${NURO_BUILD_DIR:-$top/build}/bin
if [ -x "$bin/nuro" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/nuro" "$@"
elif [ -x "$bin/nuro-times" ]; then
  exec "$bin/nuro-times" "$@"
else
  echo "run: nothing runnable has been built yet" >&2
  exit 1
fi
