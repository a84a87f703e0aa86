#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop files are valid, the Debian package builds and lintian accepts it (every
# error and warning fails but bogus-mail-host, in the control file and the changelog: the
# maintainer address is a placeholder),
# the manual pages of the unpacked package name every option of its programs' --help, its
# user's guide holds every page the program opens and every link of it leads somewhere, and
# its command line runs a setup of the packaged map sets, as an installed one would.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
res=$(cd "$(dirname "$0")/../../res" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$res/panelwright.desktop" || fail "desktop file"
appstreamcli validate --no-net "$res/org.panelwright.panelwright.metainfo.xml" >/dev/null ||
    fail "metainfo: $(appstreamcli validate --no-net "$res/org.panelwright.panelwright.metainfo.xml")"
xmllint --noout "$res/panelwright-mime.xml" || fail "MIME type file"
mkdir -p "$work/mime/packages"
cp "$res/panelwright-mime.xml" "$work/mime/packages/panelwright.xml"
update-mime-database "$work/mime" 2>"$work/mime.log" || fail "update-mime-database: $(cat "$work/mime.log")"
grep -q ':application/x-panelwright-setup:\*\.pwsetup$' "$work/mime/globs2" || fail "no *.pwsetup glob"
grep -q "^40:application/x-panelwright-map:\*\.map$" "$work/mime/globs2" || fail "no weighted *.map glob"

rm -f "$build"/panelwright_*.deb
cmake --build "$build" --target package >"$work/package.log" 2>&1 || fail "package: $(tail "$work/package.log")"
deb=$(ls "$build"/panelwright_*.deb)
dpkg-deb -x "$deb" "$work/root"
for file in bin/panelwright bin/panelwright-cli share/applications/panelwright.desktop \
    share/mime/packages/panelwright.xml share/metainfo/org.panelwright.panelwright.metainfo.xml \
    share/panelwright/Irfmaps/IF-01L.map share/man/man1/panelwright.1.gz \
    share/man/man1/panelwright-cli.1.gz share/doc/panelwright/copyright \
    share/doc/panelwright/changelog.Debian.gz; do
    [ -f "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done

# The user's guide: every page the program opens on F1, and every link and picture of it.
guide="$work/root/usr/share/panelwright/guide"
for page in $(grep -oE '"[a-z-]+\.md' "$(dirname "$0")/../../src/gui/common/guide_pages.h" | tr -d '"'); do
    [ -f "$guide/$page" ] || fail "no guide page $page in $guide"
done
bash "$(dirname "$0")/guide_links_test.sh" "$guide"/*.md >/dev/null || fail "the links of $guide"

lintian --fail-on none "$deb" >"$work/lintian.out" 2>"$work/lintian.err" ||
    fail "lintian could not check the package: $(cat "$work/lintian.err")"
if grep -E '^[EW]: ' "$work/lintian.out" | grep -vE '^[EW]: [^ ]+ bogus-mail-host(-in-debian-changelog)?( |$)' >"$work/lintian.bad"; then
    fail "lintian: $(cat "$work/lintian.bad")"
fi
bash "$(dirname "$0")/manual_test.sh" "$work/root/usr" || fail "the package's manual pages"

# Only the package's own map sets: none of the machine's, none of the user's; its words
# in English, whatever the language of whoever runs the tests.
export XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/no-system-data" LC_ALL=C
cat >"$work/board.pwsetup" <<'SETUP'
{"format": 1, "layout": "top-to-bottom", "slots": [
    {"mapSetFile": "IF-01L.map", "mark": "L"}, {"mapSetFile": "IF-02R.map", "mark": "R"}]}
SETUP
(cd "$work" && "$work/root/usr/bin/panelwright-cli" run board.pwsetup >run.out) ||
    fail "run: $(cat "$work/run.out")"
[ "$(cat "$work/run.out")" = "board.pwsetup: New map file created successfully" ] || fail "run said $(cat "$work/run.out")"
head -2 "$work/board.map" | tail -1 | grep -q '^32 40 ' || fail "the joined map has the wrong size"
echo "package test passed: $(basename "$deb")"
