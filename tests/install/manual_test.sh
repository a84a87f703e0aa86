#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed manual pages, as man shows them, name every option that the programs'
# --help names, each under its own command: panelwright(1) and panelwright-cli(1) with
# merge, run, list and render.
# Usage: manual_test.sh PREFIX   (PREFIX/bin holds the programs, PREFIX/share/man/man1 their pages)
#        manual_test.sh --install BUILD_DIR   (the build installed into a temporary prefix)
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ "$1" = --install ]; then
    prefix="$work/prefix"
    cmake --install "$2" --prefix "$prefix" >/dev/null || fail "install of $2"
else
    prefix=$1
fi
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 MANWIDTH=200

checked=0
for program in panelwright panelwright-cli; do
    # A build without the dialogs has no panelwright, and so no page of it.
    [ -x "$prefix/bin/$program" ] || [ "$program" != panelwright ] || continue
    page="$prefix/share/man/man1/$program.1.gz"
    [ -f "$page" ] || fail "no manual page $page"
    man -l "$page" 2>"$work/man.err" | col -b >"$work/$program.txt" ||
        fail "man -l $page: $(cat "$work/man.err")"
    help=$("$prefix/bin/$program" --help)
    # The commands that --help names ("merge: ...; run: ..."), each with a section of its own.
    commands=$(sed -n '/^Arguments:/,/^$/p' <<<"$help" | grep -oE '(^|[ ;])[a-z]+: ' | tr -d ' ;:' ||
        true)
    for command in "" $commands; do
        if [ -z "$command" ]; then  # the program's own options: the page up to its commands
            sed '/^COMMANDS$/q' "$work/$program.txt" >"$work/section"
            options_of=("$prefix/bin/$program" --help)
        else
            awk -v head="   $program $command " 'index($0, head) == 1 { on = 1; next }
                on && /^(   )?[^[:space:]]/ { exit } on { print }' "$work/$program.txt" >"$work/section"
            [ -s "$work/section" ] || fail "$program(1) has no section for '$command'"
            options_of=("$prefix/bin/$program" "$command" --help)
        fi
        options=$("${options_of[@]}" | grep -oE '^  -[^ ]*(, --[^ ]*)?' |
            grep -oE -- '--?[A-Za-z][A-Za-z-]*')
        [ -n "$options" ] || fail "no options read from '${options_of[*]}'"
        for option in $options; do
            grep -qE -- "(^|[ ,])$option([ ,=<]|\$)" "$work/section" ||
                fail "$program(1) lacks $option${command:+ of $command}"
            checked=$((checked + 1))
        done
    done
done
echo "manual pages name all $checked options of --help"
