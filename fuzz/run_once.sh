#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target once over every input of its seed corpus and its saved findings,
# without fuzzing. NAME picks corpus/NAME and regressions/NAME.
# Usage: run_once.sh FUZZ_SOURCE_DIR NAME:BINARY...
set -euo pipefail
fuzz_dir=$1
shift
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# The targets' own files go here; a failing run cannot clean up after itself.
TMPDIR=$(mktemp -d)
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
status=0
for pair in "$@"; do
    name=${pair%%:*}
    binary=${pair#*:}
    inputs=()
    for dir in "$fuzz_dir/corpus/$name" "$fuzz_dir/regressions/$name"; do
        if [ -d "$dir" ]; then
            while IFS= read -r -d '' file; do
                inputs+=("$file")
            done < <(find "$dir" -type f -print0 | sort -z)
        fi
    done
    if [ "${#inputs[@]}" -eq 0 ]; then
        echo "no inputs for the $name target" >&2
        status=1
        continue
    fi
    echo "== $name: ${#inputs[@]} inputs"
    log=$TMPDIR/$name.log
    if ! "$binary" -rss_limit_mb=2048 -timeout=30 "${inputs[@]}" >/dev/null 2>"$log"; then
        cat "$log" >&2
        status=1
    fi
done
exit "$status"
