#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the release binaries and runs the merge benchmark: merge time against the copy
# floor per layout, throughput and peak memory. Panels are generated on the fly.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench
cmake --build --preset bench
build/bench/bin/panelwright-bench "$@" build/bench/bin
