#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every link and picture of the given Markdown pages leads somewhere: a file beside the page
# that is there, and an anchor that one of that page's headings makes, as a forge and the
# program's help window name headings (lower case, blanks as hyphens, other punctuation
# left out). Links to the web are not followed.
# Usage: guide_links_test.sh PAGE.md...
set -euo pipefail
export LC_ALL=C
fail=0

# The anchors of a page's headings, one a line; a repeated one gets -1, -2, ...
anchors() {
    grep -E '^#{1,6} ' "$1" | sed -E 's/^#+ +//; s/ +#* *$//' | tr 'A-Z' 'a-z' |
        sed -E 's/[^a-z0-9 _-]//g; s/ /-/g' |
        awk '{ n = seen[$0]++; print (n ? $0 "-" n : $0) }'
}

for page in "$@"; do
    folder=$(dirname "$page")
    # Links and pictures outside code: [text](target) and ![text](target).
    while IFS= read -r target; do
        case $target in http://* | https://* | mailto:*) continue ;; esac
        file=${target%%#*}
        anchor=${target#"$file"}
        anchor=${anchor#\#}
        linked=$page
        [ -z "$file" ] || linked=$folder/$file
        if [ ! -e "$linked" ]; then
            echo "FAIL: $page links to $target: no $linked" >&2
            fail=1
        elif [ -n "$anchor" ] && ! anchors "$linked" | grep -qxF -- "$anchor"; then
            echo "FAIL: $page links to $target: $linked has no heading of that anchor" >&2
            fail=1
        fi
    done < <(sed -E '/^```/,/^```/d; s/`[^`]*`//g' "$page" | grep -oE '\]\([^) ]+\)' |
        sed -E 's/^\]\(//; s/\)$//')
done
[ "$fail" = 0 ] && echo "links of $# pages lead somewhere"
exit "$fail"
