#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The operating system in one room: no file of src/ outside src/core/system includes a
# system header, so a port to another system replaces that folder alone. Prints how many
# calls each file of the room makes through them.
# Usage: system_calls_test.sh SOURCE_DIR
set -euo pipefail
src=$(cd "$1" && pwd)/src
headers='#include <(unistd|fcntl|dirent|signal|poll|pwd|grp|termios|sys/[a-z_]+|linux/[a-z_]+)\.h>'
outside=$(grep -rlE "$headers" "$src" --include='*.cpp' --include='*.h' | grep -v "^$src/core/system/" || true)
if [ -n "$outside" ]; then
    echo "FAIL: system headers outside src/core/system:" >&2
    echo "$outside" >&2
    exit 1
fi
for file in "$src"/core/system/*.cpp; do
    echo "native calls in ${file#"$src"/}: $(grep -cE '(^|[^:a-zA-Z_])::[a-z_0-9]+\(' "$file")"
done
