#!/usr/bin/env bash
# Installs what the build needs, builds Panelwright and starts it on the bundled map sets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/bin/panelwright "$@"
