#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and uses the installed command line as a
# user would: it finds the installed map sets, merges from them, and lists a user's own
# panel in the user's data folder together with the installed ones. The installed user's
# guide holds every page the program opens on F1, and its links lead somewhere.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
cli="$prefix/bin/panelwright-cli"
[ -x "$cli" ] || fail "no installed panelwright-cli"
for set in Irfmaps Embrmaps; do
    [ -n "$(ls "$prefix/share/panelwright/$set"/*.map)" ] || fail "no installed $set"
done
[ ! -e "$prefix/bin/Irfmaps" ] || fail "map sets installed beside the binaries"
# The translations travel inside the programs: no file of them is installed, and the
# installed command line speaks German and French.
[ ! -e "$prefix/share/panelwright/translations" ] || fail "translation files installed"
english=$(LC_ALL=C "$cli" --help)
for locale in de_DE.UTF-8 fr_FR.UTF-8; do
    [ "$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=$locale "$cli" --help)" != "$english" ] ||
        fail "the installed panelwright-cli speaks English in $locale"
done

# The user's guide: every page the program opens on F1, and every link and picture of it.
guide="$prefix/share/panelwright/guide"
for page in $(grep -oE '"[a-z-]+\.md' "$(dirname "$0")/../../src/gui/common/guide_pages.h" | tr -d '"'); do
    [ -f "$guide/$page" ] || fail "no guide page $page in $guide"
done
bash "$(dirname "$0")/guide_links_test.sh" "$guide"/*.md >/dev/null || fail "the links of $guide"

# A user of this prefix alone: nothing from the machine's own data folders, and the
# program's words in English, whatever the language of whoever runs the tests.
export XDG_DATA_HOME="$work/home/.local/share" XDG_DATA_DIRS="$work/no-system-data" LC_ALL=C
installed="$prefix/share/panelwright/Irfmaps"
"$cli" list > "$work/list" || fail "list failed"
grep -q -P "^IF-01L\.map\tL\t1\t32x20\t$installed\$" "$work/list" || fail "list: $(cat "$work/list")"

cd "$work"
"$cli" merge --layout top-to-bottom --output joined.map "$installed/IF-01L.map" \
    "$installed/IF-02R.map" > merge.out || fail "merge failed"
[ "$(cat merge.out)" = "New map file created successfully" ] || fail "merge said $(cat merge.out)"
head -2 joined.map | tail -1 | grep -q '^32 40 ' || fail "joined map has the wrong size"

# The user's own panel is listed with the installed ones, from the user's folder.
own="$XDG_DATA_HOME/panelwright/Irfmaps"
mkdir -p "$own"
cp "$installed/IF-03L.map" "$own/MY-10R.map"
"$cli" list --map-set ironfall > "$work/list"
grep -q -P "^MY-10R\.map\tR\t10\t32x20\t$own\$" "$work/list" || fail "own panel: $(cat "$work/list")"
grep -q -P "^IF-01L\.map\t.*\t$installed\$" "$work/list" || fail "installed panels gone"
[ "$(wc -l < "$work/list")" -eq "$(($(ls "$installed"/*.map | wc -l) + 1))" ] || fail "count"

# Without any map-set folder the listing fails as the dialogs do.
rm -rf "$prefix/share/panelwright/Embrmaps"
if "$cli" list --map-set emberline > /dev/null 2> "$work/err"; then fail "listed a missing set"; fi
[ "$(cat "$work/err")" = "ERROR searchinng for Map files" ] || fail "error: $(cat "$work/err")"
echo "install test passed"
