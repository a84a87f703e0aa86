#!/usr/bin/env bash
# Builds the release binaries and runs the merge benchmark: merge time against the copy
# floor per layout, throughput and peak memory. Panels are generated on the fly.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPANELWRIGHT_BUILD_GUI=OFF \
    -DPANELWRIGHT_BUILD_TESTS=OFF
cmake --build build/bench --target panelwright-bench
build/bench/bin/panelwright-bench "$@" build/bench/bin
