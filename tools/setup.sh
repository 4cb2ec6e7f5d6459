#!/usr/bin/env bash
# Installs the missing Debian packages, then configures and builds NURO in build/ (or $NURO_BUILD_DIR).
# Safe to run again: it installs nothing that is present and rebuilds only what changed.
# --packages-only stops after the packages.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${NURO_BUILD_DIR:-$top/build}
# The developers' build, the same for tools/run.sh and tools/test.sh so that they share one build:
# the tests are built and a warning in our own code is an error.
NURO_CMAKE_ARGS="-DNURO_WERROR=ON -DBUILD_TESTING=ON ${NURO_CMAKE_ARGS:-}"

missing=()
while read -r pkg; do
  case "$pkg" in ''|'#'*) continue ;; esac
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < "$top/tools/packages.txt"

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: installing ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" != --packages-only ] || exit 0

# Configure every time: folders that joined the build since the last run are picked up, and a
# configured tree takes only a moment.
generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S "$top" -B "$build" "${generator[@]}" ${NURO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --parallel "$(nproc)"
