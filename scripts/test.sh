#!/usr/bin/env bash
# Installs what the build needs, builds Panelwright with its tests and runs them all:
# the whole suite in a normal build, the desktop files and the Debian package, the suite
# again under the address and undefined-behaviour sanitizers, then each fuzz target for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$jobs"
(cd build/test && ctest --output-on-failure -j "$jobs")

echo "== desktop files and the Debian package"
bash tests/install/package_test.sh build/test

echo "== build and test under the address and undefined-behaviour sanitizers"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPANELWRIGHT_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
(cd build/sanitize && ctest --output-on-failure -j "$jobs")

echo "== fuzz every target for a bounded time"
bash scripts/fuzz.sh 30
