#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs, builds Panelwright with its tests and runs them all:
# the whole suite in a normal build, the desktop files and the Debian package, the suite
# again under the address and undefined-behaviour sanitizers, then each fuzz target for a
# fixed number of runs from a fixed seed, so that the same tree always gives the same result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# The presets of CMakePresets.json: build/test, then build/sanitize.
for preset in test sanitize; do
    echo "== build and test: $preset (at ${SECONDS} s)"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
    if [ "$preset" = test ]; then
        echo "== desktop files and the Debian package (at ${SECONDS} s)"
        bash tests/install/package_test.sh build/test
    fi
done

echo "== fuzz every target a fixed number of runs from a fixed seed (at ${SECONDS} s)"
bash scripts/fuzz.sh --fixed
echo "== all passed in ${SECONDS} s"
