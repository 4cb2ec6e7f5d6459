#!/bin/sh
# calc_bench.sh CALC_BENCH REFERENCE_CSV NODE_DIR: our figures, then the adhan peer's (installed with npm
# into NODE_DIR on first use; skipped with a message when npm or the registry is not reachable).
set -u
bench=$1 reference=$2 nodedir=$3
"$bench" "$reference" || exit 1
echo
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    echo "adhan peer comparison skipped: node or npm is not installed"
    exit 0
fi
if [ ! -d "$nodedir/node_modules/adhan" ]; then
    mkdir -p "$nodedir"
    if ! npm install --prefix "$nodedir" --no-audit --no-fund --silent adhan@4 >/dev/null 2>&1; then
        echo "adhan peer comparison skipped: npm could not install adhan"
        exit 0
    fi
fi
TZ=UTC NODE_PATH="$nodedir/node_modules" node "$(dirname "$0")/adhan_peer.js" "$reference"
