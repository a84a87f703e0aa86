#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed corpus of the fuzz targets from the bundled sample map sets and the
# golden-file cases: fuzz/corpus/merge/, fuzz/corpus/reader/ and fuzz/corpus/render/. The
# input layouts are described at the top of each target's source file.
# Usage: fuzz/make_corpus.sh   (from anywhere; replaces the corpus folders)
set -euo pipefail
cd "$(dirname "$0")/.."
merge=fuzz/corpus/merge
reader=fuzz/corpus/reader
render=fuzz/corpus/render
rm -rf "$merge" "$reader" "$render"
mkdir -p "$merge" "$reader" "$render"

separator=$'\n=====\n'

byte() { printf "\\x$(printf %02x "$1")"; }

# layout_selector LAYOUT COUNT: byte 0 of a merge input.
layout_selector() {
    case "$1:$2" in
        top-to-bottom:2) echo 0 ;; top-to-bottom:3) echo 3 ;; top-to-bottom:4) echo 6 ;;
        end-to-end:2) echo 1 ;; end-to-end:3) echo 4 ;;
        composite:4) echo 2 ;; composite:6) echo 5 ;; composite:8) echo 8 ;;
        *) echo "no layout $1 with $2 sources" >&2; exit 1 ;;
    esac
}

direction_index() {
    local names=(N NE E SE S SW W NW) i
    for i in "${!names[@]}"; do
        if [ "${names[$i]}" = "$1" ]; then echo "$i"; return; fi
    done
    echo "$1"
}

# The L/R mark a file name gives: the letter right after "-" and two digits.
name_mark() {
    local upper=${1^^}
    if [[ $upper =~ -[0-9][0-9]([LR]) ]]; then echo "${BASH_REMATCH[1]}"; else echo -; fi
}

# merge_seed OUT LAYOUT MAPSET DIRECTION FLAGS MARKS DIR SOURCE...
#   FLAGS: byte 1 bits 4-7; MARKS: one of L R - per source, or "" for the names' marks;
#   SOURCE: a file of DIR, "" for nothing chosen, or a missing name for a missing file,
#   or "@out" for the output path itself (then the last source is the earlier output).
merge_seed() {
    local out=$1 layout=$2 mapset=$3 direction=$4 flags=$5 marks=$6 dir=$7
    shift 7
    local sources=("$@") count=$# i mark special=0 kind_low=0 kind_high=0 mark_bits=0
    for i in "${!sources[@]}"; do
        local source=${sources[$i]}
        if [ -n "$marks" ]; then mark=${marks:$i:1}; else mark=$(name_mark "$source"); fi
        case "$mark" in L) mark_bits=$((mark_bits | 1 << (2 * i))) ;;
                        R) mark_bits=$((mark_bits | 2 << (2 * i))) ;; esac
        if [ -z "$source" ]; then
            special=$((special | 1 << i))
        elif [ "$source" = "@out" ]; then
            special=$((special | 1 << i)); kind_low=$((kind_low | 1 << i))
            kind_high=$((kind_high | 1 << i))
        elif [ ! -f "$dir/$source" ]; then
            special=$((special | 1 << i)); kind_low=$((kind_low | 1 << i))
        fi
    done
    {
        byte "$(layout_selector "$layout" "$count")"
        byte $((direction | mapset << 3 | flags))
        byte $((mark_bits & 255))
        byte $((mark_bits >> 8))
        byte "$special"
        byte "$kind_low"
        byte "$kind_high"
        for i in "${!sources[@]}"; do
            [ "$i" -gt 0 ] && printf '%s' "$separator"
            local source=${sources[$i]}
            if [ -n "$source" ] && [ -f "$dir/$source" ]; then cat "$dir/$source"; fi
        done
    } >"$merge/$out"
}

# One seed per golden case, with its arguments.
for case_dir in tests/golden/*/; do
    name=$(basename "$case_dir")
    mapfile -t args <"$case_dir/args"
    layout="" mapset=0 direction=0 marks="" sources=()
    i=1
    while [ "$i" -lt "${#args[@]}" ]; do
        case "${args[$i]}" in
            --layout) layout=${args[$((i + 1))]}; i=$((i + 2)) ;;
            --map-set) [ "${args[$((i + 1))]}" = emberline ] && mapset=1; i=$((i + 2)) ;;
            --direction) direction=$(direction_index "${args[$((i + 1))]}"); i=$((i + 2)) ;;
            --marks) marks=${args[$((i + 1))]}; i=$((i + 2)) ;;
            --output) i=$((i + 2)) ;;
            *) sources+=("${args[$i]}"); i=$((i + 1)) ;;
        esac
    done
    merge_seed "golden-$name" "$layout" "$mapset" "$direction" 0 "$marks" "$case_dir" \
        "${sources[@]}"
done

# The sample sets in every layout and count.
irf=samples/Irfmaps
emb=samples/Embrmaps
merge_seed irf-ttb-2 top-to-bottom 0 0 0 "" $irf IF-01L.map IF-02R.map
merge_seed irf-ttb-4 top-to-bottom 0 2 0 "" $irf IF-01L.map IF-02R.map IF-03L.map IF-04R.map
merge_seed emb-ttb-3 top-to-bottom 1 4 0 "" $emb EM-01L.map EM-02R.map EM-07.map
merge_seed irf-ete-3 end-to-end 0 6 0 "" $irf IF-05L.map IF-06R.map IF-09.map
merge_seed emb-ete-2 end-to-end 1 1 0 "" $emb EM-03L.map EM-04R.map
merge_seed irf-com-4 composite 0 0 0 "" $irf IF-01L.map IF-02R.map IF-03L.map IF-04R.map
merge_seed emb-com-6 composite 1 3 0 "" $emb EM-01L.map EM-02R.map EM-03L.map EM-04R.map \
    EM-05L.map EM-06R.map
merge_seed irf-com-8 composite 0 7 0 "" $irf IF-01L.map IF-02R.map IF-03L.map IF-04R.map \
    IF-05L.map IF-06R.map IF-07L.map IF-08R.map
# The run's own outcomes: an earlier output kept or replaced, a cancelled prompt, an output
# in a missing folder, an output that is a folder, the output path as a source.
merge_seed irf-existing-output top-to-bottom 0 0 16 "" $irf IF-07L.map IF-08R.map
merge_seed irf-cancelled end-to-end 0 0 32 "" $irf IF-07L.map IF-08R.map
merge_seed irf-missing-folder top-to-bottom 0 0 64 "" $irf IF-07L.map IF-08R.map
merge_seed irf-folder-output top-to-bottom 0 0 128 "" $irf IF-07L.map IF-08R.map
merge_seed irf-output-as-source top-to-bottom 0 0 16 "" $irf @out IF-08R.map IF-07L.map

# Damaged panels: line ends turned into lone CRs, a panel cut in the middle of its grid.
damaged=$(mktemp -d)
trap 'rm -rf "$damaged"' EXIT
tr '\n' '\r' <$irf/IF-01L.map | tr -s '\r' >"$damaged/CR-01L.map"
head -c 700 $irf/IF-02R.map >"$damaged/HALF-02R.map"
cp $irf/IF-01L.map "$damaged/"
merge_seed damaged-cr-only top-to-bottom 0 0 0 "" "$damaged" CR-01L.map CR-01L.map
merge_seed damaged-truncated composite 0 0 0 "" "$damaged" IF-01L.map HALF-02R.map \
    CR-01L.map HALF-02R.map

# reader_seed OUT PATTERN FILE: PATTERN is a string of operation digits 0 to 6.
reader_seed() {
    local out=$1 pattern=$2 file=$3 i
    {
        byte $((${#pattern} - 1))
        for ((i = 0; i < ${#pattern}; i++)); do byte "${pattern:$i:1}"; done
        cat "$file"
    } >"$reader/$out"
}
# 0 readInt, 1 readFloat, 2 readLine, 3 skipLine, 4 readLetterLine, 5 atEnd,
# 6 readLineView.
reader_seed irf-lines 2 $irf/IF-01L.map
reader_seed irf-header 0000333222 $irf/IF-03L.map
reader_seed irf-labels 51126 $irf/IF-09.map
reader_seed emb-letters 4222225 $emb/EM-02R.map
reader_seed emb-mixed 01234560 $emb/EM-07.map
reader_seed golden-bad-size 00003 tests/golden/size-not-numbers/BADSIZE.map
reader_seed golden-height-one 0000334 tests/golden/top-to-bottom-height-one/HT-01R.map
reader_seed golden-labels 112 tests/golden/end-to-end-three/EE-02R.map
reader_seed damaged-cr-only 0123 "$damaged/CR-01L.map"
reader_seed damaged-truncated 2223 "$damaged/HALF-02R.map"
# Lines and numbers longer than the reader's 64 KiB block: a label line whose number
# runs across the block's edge, with its exponent just behind it.
long=$damaged/long.map
{
    printf '1\r\n'
    head -c 65520 /dev/zero | tr '\0' '7'
    printf '.5e+3 7 Long\r\n'
    head -c 3000 /dev/zero | tr '\0' 'q'
    printf '\r'
} >"$long"
reader_seed long-lines 01112 "$long"
reader_seed long-lines-skip 36 "$long"

# render_seed OUT BYTE0 BYTE1 BYTE2 FILE [LEGEND]: the three option bytes of a render
# input, then the legend and its separator when one is given, then the map.
render_seed() {
    {
        byte "$2"
        byte "$3"
        byte "$4"
        if [ $# -ge 6 ]; then
            cat "$6"
            printf '\n=====\n'
        fi
        cat "$5"
    } >"$render/$1"
}
render_seed irf-first-labels 4 3 1 $irf/IF-01L.map $irf/legend.txt
render_seed irf-second-seams 17 $((1 | 32)) 3 $irf/IF-02R.map
render_seed emb-layer-b $((2 | 4 | 64)) 7 1 $emb/EM-03L.map $emb/legend.txt
render_seed emb-layer-d-scaled $((2 | 8 | 32 | 192)) $((15 | 48)) 1 $emb/EM-06R.map
render_seed golden-joined $((4 | 16 | 32)) 5 3 tests/golden/top-to-bottom-l-over-r/expected/out.map
render_seed golden-missing-layers 6 0 $((1 | 32)) tests/golden/top-to-bottom-missing-layers/expected/out.map
render_seed damaged-cr-only 4 1 2 "$damaged/CR-01L.map"
render_seed damaged-truncated 6 2 $((1 | 16)) "$damaged/HALF-02R.map"
render_seed long-lines 4 0 1 "$long"

echo "merge seeds: $(ls "$merge" | wc -l), reader seeds: $(ls "$reader" | wc -l)," \
    "render seeds: $(ls "$render" | wc -l)," \
    "$(du -sh fuzz/corpus | cut -f1)"
