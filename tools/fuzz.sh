#!/usr/bin/env bash
# Builds the libFuzzer targets of the settings reader and the updater's statement check with clang in
# build-fuzz/ and runs each for a bounded time (NURO_FUZZ_SECONDS, 30 by default) from its corpus.
# A crash or a broken property leaves its input in build-fuzz/findings/ and fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${NURO_FUZZ_BUILD:-$top/build-fuzz}
seconds=${NURO_FUZZ_SECONDS:-30}
cc=$(command -v clang-14 || command -v clang)
cxx=$(command -v clang++-14 || command -v clang++)
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER="$cc" \
    -DCMAKE_CXX_COMPILER="$cxx" -DNURO_FUZZ=ON -DNURO_WERROR=ON -DBUILD_TESTING=ON >/dev/null
fi
cmake --build "$build" --target fuzz_settings fuzz_update_check -j"${NURO_JOBS:-2}"
mkdir -p "$build/findings"
status=0
for pair in fuzz_settings:settings fuzz_update_check:update; do
  target=${pair%%:*} corpus=${pair#*:}
  work=$(mktemp -d)
  cp "$top/tests/fuzz/corpus/$corpus"/* "$work"/
  echo "=== $target for ${seconds}s"
  # The run's own corpus grows in a temporary folder; the checked-in seeds stay as they are.
  if ! "$build/bin/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/findings/$target-" -print_final_stats=1 "$work" 2>"$build/findings/$target.log"; then
    tail -n 40 "$build/findings/$target.log"
    status=1
  else
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$build/findings/$target.log" | tail -n 2
  fi
  rm -rf "$work"
done
exit $status
