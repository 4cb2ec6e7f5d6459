#!/usr/bin/env bash
# Sets up and builds (tools/setup.sh), then runs the whole test suite.
# NURO_SANITIZE=address or thread builds and tests a sanitizer build in build-<name>/ instead: the
# tests and what they run, without the benchmarks and tools; under the thread sanitizer only the
# tests where threads meet (tests/CMakeLists.txt names them).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${NURO_SANITIZE:-}" ]; then
  export NURO_BUILD_DIR=${NURO_BUILD_DIR:-$top/build-$NURO_SANITIZE}
  tests=all
  [ "$NURO_SANITIZE" != thread ] || tests=threads
  export NURO_CMAKE_ARGS="-DNURO_SANITIZE=$NURO_SANITIZE -DNURO_EXTRAS=OFF -DNURO_TEST_SET=$tests ${NURO_CMAKE_ARGS:-}"
fi
# Qt comes uninstrumented: its own thread pool's hand-overs are invisible to the thread sanitizer,
# so only races seen from our instrumented code count.
if [ "${NURO_SANITIZE:-}" = thread ]; then
  export TSAN_OPTIONS="ignore_noninstrumented_modules=1${TSAN_OPTIONS:+ $TSAN_OPTIONS}"
fi
# Libraries we do not build keep a few allocations to the end (SDL's per-thread error text, Qt's
# D-Bus connections): only leaks with none of their frames in those libraries count.
if [ "${NURO_SANITIZE:-}" = address ]; then
  export LSAN_OPTIONS="suppressions=$top/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
fi
"$top/tools/setup.sh"
build=${NURO_BUILD_DIR:-$top/build}
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
