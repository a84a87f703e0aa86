#!/usr/bin/env bash
# Installs what the build needs, builds Panelwright and starts it on the bundled map sets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPANELWRIGHT_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/bin/panelwright "$@"
