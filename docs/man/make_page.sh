#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a program's manual page from its own --help and --version, so that the page cannot
# drift from them: help2man over the program's --help, with the program's commands (each
# as its own "PROGRAM COMMAND --help" tells it) and the hand-written sections of
# NAME.h2m (files, licence, see also) added. The page is written gzip-compressed.
# Usage: make_page.sh PROGRAM SUMMARY H2M_FILE OUT.1.gz
set -euo pipefail
program=$1
summary=$2
sections=$3
out=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# Qt's help text as roff: "Usage:" a subsection, "Options:" and "Arguments:" headings, each
# option or argument a tagged paragraph (its text continued on the lines indented further),
# other lines plain text.
help_to_roff() {
    awk '
        function escape(text) {
            gsub(/\\/, "\\e", text)
            gsub(/-/, "\\-", text)
            if (text ~ /^[.\047]/) text = "\\&" text
            return text
        }
        /^Usage: / { sub(/^Usage: /, ""); print ".SS \"" escape($0) "\""; next }
        /^[A-Z][A-Za-z ]*:$/ { print ".PP"; print "\\fB" escape($0) "\\fR"; next }
        /^  [^ ]/ {
            line = substr($0, 3)
            split_at = match(line, /  +/)
            term = split_at ? substr(line, 1, split_at - 1) : line
            text = split_at ? substr(line, split_at + RLENGTH) : ""
            print ".TP"
            print "\\fB" escape(term) "\\fR"
            if (text != "") print escape(text)
            next
        }
        /^   / { sub(/^ +/, ""); print escape($0); next }
        /^$/ { print ".PP"; next }
        { print escape($0) }
    '
}

# The commands a program names in its --help ("merge: joins ...; run: ..."), if any.
commands=$("$program" --help | sed -n '/^Arguments:/,/^$/p' | grep -oE '(^|[ ;])[a-z]+: ' |
    tr -d ' ;:' || true)
{
    if [ -n "$commands" ]; then
        echo "[COMMANDS]"
        for command in $commands; do
            "$program" "$command" --help | help_to_roff
        done
    fi
    cat "$sections"
} >"$work/page.h2m"

help2man --no-info --no-discard-stderr --name="$summary" --include="$work/page.h2m" \
    --output="$work/page.1" "$program"
gzip -9n <"$work/page.1" >"$out"
