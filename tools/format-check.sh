#!/usr/bin/env bash
# Checks that the tracked C and C++ sources are laid out as .clang-format says (clang-format 14,
# Debian's clang-format). Lists each file that differs and how many of its lines would change;
# fails when there is one. --fix rewrites them instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null || { echo "format-check: $format is not installed (Debian: clang-format)" >&2; exit 2; }

mapfile -t files < <(git ls-files '*.c' '*.cpp' '*.h' '*.hpp')
if [ "${1:-}" = --fix ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$format" -i --style=file
  exit 0
fi
differ=0 lines=0
for f in "${files[@]}"; do
  out=$("$format" --style=file "$f" | diff "$f" - || true)
  if [ -n "$out" ]; then
    n=$(grep -c '^<' <<<"$out" || true)
    echo "$f: $n line(s) to change"
    differ=$((differ + 1)) lines=$((lines + n))
  fi
done
if [ "$differ" -gt 0 ]; then
  echo "format-check: $differ file(s), $lines line(s) to change for .clang-format; tools/format-check.sh --fix rewrites them"
  exit 1
fi
echo "format-check: ${#files[@]} files as .clang-format says"
