#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) on a copy of
# its seed corpus. Fails on any crash, hang, sanitizer report or broken invariant.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPANELWRIGHT_FUZZ=ON -DPANELWRIGHT_BUILD_GUI=OFF -DPANELWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target merge_fuzzer map_reader_fuzzer render_fuzzer setup_fuzzer

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
    work=$(mktemp -d -p /dev/shm)
else
    work=$(mktemp -d)
fi
trap 'rm -rf "$work"' EXIT
for target in merge:merge_fuzzer:65536:map reader:map_reader_fuzzer:262144:map \
    render:render_fuzzer:65536:map setup:setup_fuzzer:16384:setup; do
    IFS=: read -r name binary max_len dict <<<"$target"
    mkdir -p "$work/$name/corpus"
    cp fuzz/corpus/"$name"/* "$work/$name/corpus/"
    echo "== $binary: ${seconds}s"
    # Findings go to fuzz-findings/ of the build folder, to be minimised and kept under
    # fuzz/regressions/<target>/.
    mkdir -p "$build/fuzz-findings/$name"
    set +e
    TMPDIR="$work/$name" "$build/bin/$binary" "$work/$name/corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -dict=fuzz/"$dict".dict -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-findings/$name/" >"$work/$name/log" 2>&1
    rc=$?
    set -e
    runs=$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/$name/log" | tail -1 || true)
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$work/$name/log" >&2
        echo "FAIL $binary (exit $rc); the input is in $build/fuzz-findings/$name/" >&2
        status=1
        execs=$(grep -o 'number_of_executed_units: *[0-9]*' "$work/$name/log" | grep -o '[0-9]*$' ||
            true)
        summary+=("$binary: FAILED after ${execs:-0} runs")
    else
        summary+=("$binary: ${runs:-no run count}")
    fi
done
echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
exit "$status"
