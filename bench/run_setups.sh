#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `panelwright-cli run` of COUNT setups (Top-to-Bottom of two sample panels each) in
# one process against COUNT separate `merge` processes doing the same joins, and prints
# both times and their ratio.
# Usage: bench/run_setups.sh [BIN_DIR] [COUNT]   (default build/release/bin, 100)
set -euo pipefail
bin=$(cd "${1:-build/release/bin}" && pwd)
count=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin"/Irfmaps/IF-0{1L,2R}.map "$work/"
cd "$work"
setups=()
for i in $(seq "$count"); do
    cat >"s$i.pwsetup" <<SETUP
{"format": 1, "layout": "top-to-bottom", "slots": [
    {"file": "IF-01L.map", "mark": "L"}, {"file": "IF-02R.map", "mark": "R"}], "output": "s$i.map"}
SETUP
    setups+=("s$i.pwsetup")
done
now() { date +%s%N; }
start=$(now)
for i in $(seq "$count"); do
    "$bin/panelwright-cli" merge --layout top-to-bottom --output "m$i.map" IF-01L.map IF-02R.map >/dev/null
done
merges=$(($(now) - start))
start=$(now)
"$bin/panelwright-cli" run "${setups[@]}" >/dev/null
run=$(($(now) - start))
cmp s1.map m1.map
awk -v n="$count" -v merges="$merges" -v run="$run" 'BEGIN {
    printf "%d merge processes: %.3f s\none run of %d setups: %.3f s\nratio run/merges: %.3f\n",
        n, merges / 1e9, n, run / 1e9, run / merges }'

