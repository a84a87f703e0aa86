#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang, runs every seed and saved finding once, then fuzzes
# each target on a copy of its seed corpus. Fails on any crash, hang, sanitizer report or
# broken invariant.
#
# Usage: scripts/fuzz.sh [SECONDS]   each target SECONDS (default 60) from a random seed:
#                                    new ground on every run, for people hunting faults
#        scripts/fuzz.sh --fixed     each target a fixed number of runs from a fixed seed:
#                                    the same tree always gives the same result (the test
#                                    command and CI run this)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz  # the fuzz preset's folder
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# NAME:BINARY:MAX_LEN:DICT:RUNS. RUNS, for --fixed, is about 30 s of processor time (user
# and system) on the CI machine; raise it when a target gets faster.
targets=(
    merge:merge_fuzzer:65536:map:20000
    reader:map_reader_fuzzer:262144:map:70000
    render:render_fuzzer:65536:map:2000
    setup:setup_fuzzer:16384:setup:750000
)

if [ "${1:-}" = --fixed ]; then
    fixed=1
    # Qt seeds its hash tables at random unless told; a fixed seed keeps their order, and
    # the paths the targets take, the same on every run.
    export QT_HASH_SEED=0
else
    fixed=0
    seconds=${1:-60}
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

status=0
summary=()
echo "== fuzz_regressions: every seed and saved finding once"
if bash fuzz/run_once.sh fuzz merge:"$build/bin/merge_fuzzer" reader:"$build/bin/map_reader_fuzzer" \
    render:"$build/bin/render_fuzzer" setup:"$build/bin/setup_fuzzer"; then
    summary+=("fuzz_regressions: passed")
else
    summary+=("fuzz_regressions: FAILED")
    status=1
fi

# The targets write their map files under TMPDIR: memory-backed when there is such a
# folder, as every save syncs its output.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    shared=/dev/shm
else
    shared=${TMPDIR:-/tmp}
fi
launch=()
if [ "$fixed" = 1 ]; then
    # Nothing left to chance: the folder has the same name on every run of this checkout
    # (the targets' paths end up in their messages and in what they compare), and the
    # programs run without address randomisation, as the pointers they compare otherwise
    # steer coverage and mutations differently on every run.
    work="$shared/panelwright-fuzz-$(id -u)-$(pwd | cksum | cut -d ' ' -f 1)"
    rm -rf "$work"
    mkdir -p "$work"
    if setarch "$(uname -m)" -R true 2>/dev/null; then
        launch=(setarch "$(uname -m)" -R)
    else
        echo "WARNING: address randomisation cannot be turned off here; runs may differ" >&2
    fi
else
    work=$(mktemp -d -p "$shared")
fi
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    IFS=: read -r name binary max_len dict runs <<<"$target"
    mkdir -p "$work/$name/corpus"
    # In name order, so that the fuzzer meets the seeds in the same order every time.
    find fuzz/corpus/"$name" -type f -print0 | sort -z | xargs -0 cp -t "$work/$name/corpus/"
    if [ "$fixed" = 1 ]; then
        # No clock decides anything: a run count, not a time; no reloading of the corpus
        # on a timer; a timeout far above any input's time, so that a busy machine cannot
        # turn a slow input into a finding.
        limits=(-seed=1 -runs="$runs" -reload=0 -timeout=120)
        if [ "$name" = merge ]; then
            # Its saves compare file names with random parts (every temporary file's), and
            # the fuzzer, tracing those comparisons, would mutate differently on every run.
            limits+=(-use_cmp=0 -use_memmem=0)
        fi
        echo "== $binary: $runs runs from seed 1"
    else
        limits=(-max_total_time="$seconds" -timeout=10)
        echo "== $binary: ${seconds}s"
    fi
    # Findings go to fuzz-findings/ of the build folder, to be minimised and kept under
    # fuzz/regressions/<target>/.
    mkdir -p "$build/fuzz-findings/$name"
    set +e
    TMPDIR="$work/$name" "${launch[@]}" "$build/bin/$binary" "$work/$name/corpus" "${limits[@]}" \
        -rss_limit_mb=2048 -max_len="$max_len" -dict=fuzz/"$dict".dict -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-findings/$name/" >"$work/$name/log" 2>&1
    rc=$?
    set -e
    done_line=$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/$name/log" | tail -1 || true)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/$name/log" | tail -1 || true)
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$work/$name/log" >&2
        echo "FAIL $binary (exit $rc); the input is in $build/fuzz-findings/$name/" >&2
        status=1
        execs=$(grep -o 'number_of_executed_units: *[0-9]*' "$work/$name/log" | grep -o '[0-9]*$' ||
            true)
        summary+=("$binary: FAILED after ${execs:-0} runs")
    else
        summary+=("$binary: ${done_line:-no run count}, ${coverage:-no coverage}")
    fi
done
echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
exit "$status"
