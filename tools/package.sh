#!/usr/bin/env bash
# Builds the program as a distribution would (Release; no tests, benchmarks or developer tools;
# warnings not errors; prefix /usr) in build-package/ (or $NURO_PACKAGE_DIR), makes the Debian
# package and checks it with lintian, then checks the installed metadata files. Prints the
# package's path last.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${NURO_PACKAGE_DIR:-$top/build-package}
generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja)
# Debian's hardening flags (stack protector, fortified functions, full RELRO with immediate binding).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$top" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNURO_EXTRAS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" ${NURO_PACKAGE_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/nuro_*.deb | head -n 1)

status=0
echo "=== lintian $(basename "$deb")"
# Errors and warnings fail the step; the informational tags are listed for the record.
lintian --display-info --fail-on error,warning "$deb" || status=1

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml || status=1
desktop-file-validate "$stage"/usr/share/applications/nuro.desktop "$stage"/usr/share/nuro/nuro-autostart.desktop || status=1
for page in "$stage"/usr/share/man/man*/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "man $(basename "$page"): $warnings"; status=1; }
done
echo "$deb"
exit $status
