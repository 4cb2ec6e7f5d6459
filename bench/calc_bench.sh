#!/bin/sh
# calc_bench.sh CALC_BENCH REFERENCE_CSV NODE_DIR: our figures, then the adhan peer's (installed with npm
# into NODE_DIR on first use; skipped with a message when npm or the registry is not reachable), and the
# ratio of the two speeds measured on the same place-dates in this run.
set -u
bench=$1 reference=$2 nodedir=$3
"$bench" "$reference" || exit 1
echo
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    echo "adhan peer comparison skipped: node or npm is not installed"
    "$bench" --speed
    exit 0
fi
if [ ! -d "$nodedir/node_modules/adhan" ]; then
    mkdir -p "$nodedir"
    if ! npm install --prefix "$nodedir" --no-audit --no-fund --silent adhan@4 >/dev/null 2>&1; then
        echo "adhan peer comparison skipped: npm could not install adhan"
        "$bench" --speed
        exit 0
    fi
fi
TZ=UTC NODE_PATH="$nodedir/node_modules" node "$(dirname "$0")/adhan_peer.js" "$reference" || exit 1
echo
# Speed: the two programs take turns, three rounds, and each keeps its best round, so that both are measured
# under the same load of a shared machine.
rate() { sed -n 's/^speed: .* = \([0-9]*\) .*/\1/p'; }
ours=0 peer=0
for round in 1 2 3; do
    a=$("$bench" --speed | tee /dev/stderr | rate)
    b=$(TZ=UTC NODE_PATH="$nodedir/node_modules" node "$(dirname "$0")/adhan_peer.js" --speed | tee /dev/stderr | rate)
    [ "${a:-0}" -gt "$ours" ] && ours=$a
    [ "${b:-0}" -gt "$peer" ] && peer=$b
done 2>&1
awk -v a="$ours" -v b="$peer" \
    'BEGIN { if (b > 0) printf "speed ratio: libnuro %d days/s, adhan %d days/s, %.1f times as fast\n", a, b, a / b }'
# The same with a named method on both sides, nuro_times (to the minute) against adhan's own method of that
# name: the six times alone, then with the night's midnight and last third (adhan's SunnahTimes).
for run in "UMM_AL_QURA" "MOONSIGHTING" "UMM_AL_QURA --sunnah"; do
    ours=0 peer=0
    for round in 1 2 3 4 5; do
        a=$("$bench" --speed-method $run | tee /dev/stderr | rate)
        b=$(TZ=UTC NODE_PATH="$nodedir/node_modules" node "$(dirname "$0")/adhan_peer.js" --speed-method $run |
            tee /dev/stderr | rate)
        [ "${a:-0}" -gt "$ours" ] && ours=$a
        [ "${b:-0}" -gt "$peer" ] && peer=$b
    done 2>&1
    awk -v a="$ours" -v b="$peer" -v m="$run" \
        'BEGIN { if (b > 0) printf "speed ratio with %s: libnuro %d days/s, adhan %d days/s, %.1f times as fast\n", m, a, b, a / b }'
done
