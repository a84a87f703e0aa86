#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs, builds Panelwright and starts it on the bundled map sets.
# Only what it starts is built: the program and the command line (the map sets are copied
# beside them when the build is configured); benchmarks come with the bench preset, tests
# with the test presets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target panelwright panelwright-cli
exec build/release/bin/panelwright "$@"
