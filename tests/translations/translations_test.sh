#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped language has a finished translation of every text: lupdate over every
# source and template, into copies of translations/*.ts, finds no text new or gone (the
# .ts files are up to date), and lrelease finds nothing unfinished or untranslated.
# Usage: translations_test.sh LUPDATE LRELEASE SOURCE_DIR
set -euo pipefail
lupdate=$1
lrelease=$2
source=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

shopt -s nullglob
ts_files=("$source"/translations/*.ts)
[ ${#ts_files[@]} -gt 0 ] || { echo "FAIL: no translations in $source/translations" >&2; exit 1; }
cp "${ts_files[@]}" "$work/"
mapfile -d '' sources < <(find "$source/src" \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \) -print0 | sort -z)
(cd "$work" && "$lupdate" -no-obsolete -locations none -I "$source/src" "${sources[@]}" -ts ./*.ts >lupdate.log 2>&1) ||
    { echo "FAIL: lupdate: $(cat "$work/lupdate.log")" >&2; exit 1; }

for ts in "${ts_files[@]}"; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
        fail "$name is not up to date with the sources (texts new or gone; refresh it with lupdate):"
        grep -E '^[-+] *<source>' "$work/$name.diff" | head -40 >&2 || head -40 "$work/$name.diff" >&2
    fi
    "$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" >"$work/$name.log" 2>&1 ||
        { fail "lrelease $name: $(cat "$work/$name.log")"; continue; }
    grep -q '(.* finished and 0 unfinished)' "$work/$name.log" ||
        fail "$name has unfinished translations: $(grep -i 'generated' "$work/$name.log")"
    if grep -qi 'untranslated' "$work/$name.log"; then
        fail "$name: $(grep -i 'untranslated' "$work/$name.log")"
    fi
done
[ "$failed" -eq 0 ] && echo "translations test passed: ${ts_files[*]##*/}"
exit "$failed"
