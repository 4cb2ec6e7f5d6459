#!/usr/bin/env bash
# Checks every quoted #include of the sources against the folder rules of tools/layers.txt; prints
# each include a rule forbids and fails when there is one. Usage: tools/check-layers.sh [SOURCE-ROOT]
set -euo pipefail
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$top"
rules=tools/layers.txt

# The sources: every top folder's C and C++ files, outside build trees and hidden folders.
mapfile -t files < <(find . -mindepth 1 \( -name 'build*' -o -name '.*' \) -prune -o -type f \
  \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \) -print | sed -n 's|^\./\(.*/.*\)|\1|p' | sort)

{
  printf '%s\n' "${files[@]}" | sed 's/^/F /'
  grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${files[@]}" | sed 's/^/I /'
} | awk -v rules="$rules" '
function top(path) { sub(/\/.*/, "", path); return path }
function dir(path) { if (path !~ /\//) return ""; sub(/\/[^\/]*$/, "", path); return path }
# The layer a file belongs to: its nearest folder with a rule of its own, else its top folder.
function layer(path,   d) {
  for (d = dir(path); d != ""; d = dir(d)) if (d in known) return d
  return top(path)
}
# Whether layer a may include layer b: leave to include a folder is leave to include its subfolders.
function allows(a, b,   f) {
  if (a == b || ((a, "*") in may)) return 1
  for (f = b; f != ""; f = dir(f)) if ((a, f) in may) return 1
  return 0
}
# "a/../b" and "./b" as plain paths
function norm(path,   n, parts, out, i, k) {
  n = split(path, parts, "/"); k = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "." || parts[i] == "") continue
    if (parts[i] == ".." && k > 0) { k--; continue }
    out[++k] = parts[i]
  }
  path = ""
  for (i = 1; i <= k; i++) path = path (i > 1 ? "/" : "") out[i]
  return path
}
# The file an include names: beside the includer, from the source root, else the one file in the
# tree whose path ends so (an include folder of its target); "" for a header from elsewhere.
function resolve(from, name,   d, p, f, found, count) {
  d = dir(from)
  p = norm((d == "" ? "" : d "/") name)
  if (p in exists) return p
  p = norm(name)
  if (p in exists) return p
  count = 0
  for (f in exists)
    if (substr(f, length(f) - length(name)) == "/" name) { found = f; count++ }
  return count == 1 ? found : ""
}
BEGIN {
  while ((getline line < rules) > 0) {
    sub(/#.*/, "", line)
    if (line ~ /^[[:space:]]*$/) continue
    if (line ~ /^except /) {
      split(line, w, /[ :]+/)
      except[w[2] " " w[3]] = 1
      continue
    }
    folder = line; sub(/:.*/, "", folder)
    allowed = line; sub(/^[^:]*:/, "", allowed)
    known[folder] = 1
    n = split(allowed, list, /[[:space:]]+/)
    for (i = 1; i <= n; i++) if (list[i] != "") may[folder, list[i]] = 1
  }
}
$1 == "F" { exists[$2] = 1; next }
$1 == "I" {
  line = substr($0, 3)
  split(line, parts, ":")
  from = parts[1]; at = parts[2]
  name = line; sub(/^[^"]*"/, "", name); sub(/".*/, "", name)
  to = resolve(from, name)
  if (to == "") next
  a = layer(from); b = layer(to)
  if (!(a in known)) {
    if (!(a in unruled)) printf "%s: folder %s has no rule in %s\n", from, a, rules
    unruled[a] = 1; bad++; next
  }
  if (allows(a, b)) next
  if ((from " " to) in except) { used[from " " to] = 1; next }
  printf "%s:%s: %s/ may not include %s (%s may include: %s)\n", from, at, a, to, a, Allowed(a)
  bad++
}
function Allowed(folder,   k, s, pair) {
  s = ""
  for (k in may) { split(k, pair, SUBSEP); if (pair[1] == folder) s = s " " pair[2] }
  return s == "" ? "only itself" : substr(s, 2)
}
END {
  for (k in except) if (!(k in used)) printf "note: exception \"%s\" in %s is no longer needed\n", k, rules
  if (bad) { printf "%d include(s) against the layer rules of %s\n", bad, rules; exit 1 }
  print "layer rules kept"
}'
