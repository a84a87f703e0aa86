#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Translation files planted where the programs could look for them (a damaged, a truncated,
# a hostile and a well-formed one with other words) change nothing: both programs, in German
# and in French, answer --help as they do without them, in their own language, and never
# crash. The programs are copied into a folder of their own with the files beside them.
# Usage: planted_catalogue_test.sh BIN_DIR LRELEASE SOURCE_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
lrelease=$2
source=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# A catalogue of each language as lrelease makes it, and one whose every text says SPOOFED.
for language in de fr; do
    "$lrelease" -silent "$source/translations/panelwright_$language.ts" -qm "$work/$language.qm"
    sed -E 's|<translation>[^<]*</translation>|<translation>SPOOFED</translation>|' \
        "$source/translations/panelwright_$language.ts" >"$work/spoofed_$language.ts"
    "$lrelease" -silent "$work/spoofed_$language.ts" -qm "$work/spoofed_$language.qm"
done

# Writes the catalogue `kind` of `language` to `out`: damaged (200 bytes changed, spread
# over the file), truncated (its first half), hostile (every entry of the hash table points
# far past the end of the file) or spoofed.
plant() {
    local kind=$1 language=$2 out=$3
    if [ "$kind" = spoofed ]; then
        cp "$work/spoofed_$language.qm" "$out"
        return
    fi
    perl -e '
        my ($kind, $in, $out) = @ARGV;
        open(my $f, "<:raw", $in) or die; local $/; my $qm = <$f>; close $f;
        my $size = length $qm;
        if ($kind eq "damaged") {
            for my $i (0 .. 199) {
                my $at = 16 + ($i * 7919) % ($size - 16);
                substr($qm, $at, 1) = chr(ord(substr($qm, $at, 1)) ^ 0x5A);
            }
        } elsif ($kind eq "truncated") {
            $qm = substr($qm, 0, int($size / 2));
        } else {
            # Blocks after the 16-byte magic: a tag byte, a 32-bit length, the data. The
            # hash table (tag 0x42) holds pairs of a hash and an offset into the messages.
            my $at = 16;
            while ($at + 5 <= $size) {
                my ($tag, $length) = unpack("C N", substr($qm, $at, 5));
                if ($tag == 0x42) {
                    for (my $entry = $at + 5; $entry + 8 <= $at + 5 + $length; $entry += 8) {
                        substr($qm, $entry + 4, 4) = pack("N", 0x7FFFFFF0);
                    }
                }
                $at += 5 + $length;
            }
        }
        open(my $o, ">:raw", $out) or die; print $o $qm; close $o;
    ' "$kind" "$work/$language.qm" "$out"
}

# What `program --help` prints in `locale`, run from `folder`, into `out`, or why it failed.
answer() {
    local folder=$1 program=$2 locale=$3 out=$4 status=0
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" QT_QPA_PLATFORM=offscreen \
        "$folder/$program" --help >"$out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || echo "exit status $status" >>"$out"
}

# The programs in a folder of their own for each kind, its catalogues where the programs
# would find them beside their bin/; every run at once.
kinds=(damaged truncated hostile spoofed)
for kind in "${kinds[@]}"; do
    mkdir -p "$work/$kind/bin" "$work/$kind/share/panelwright/translations"
    cp "$bin/panelwright" "$bin/panelwright-cli" "$work/$kind/bin/"
    for language in de fr; do
        plant "$kind" "$language" "$work/$kind/share/panelwright/translations/panelwright_$language.qm"
    done
done
locales=(C de_DE.UTF-8 fr_FR.UTF-8)
for program in panelwright panelwright-cli; do
    for locale in "${locales[@]}"; do
        answer "$bin" "$program" "$locale" "$work/$program.$locale" &
        for kind in "${kinds[@]}"; do
            answer "$work/$kind/bin" "$program" "$locale" "$work/$program.$locale.$kind" &
        done
    done
done
wait

for program in panelwright panelwright-cli; do
    for locale in "${locales[@]}"; do
        expected=$work/$program.$locale
        [ "$locale" = C ] || ! cmp -s "$expected" "$work/$program.C" ||
            fail "$program --help is English in $locale"
        for kind in "${kinds[@]}"; do
            cmp -s "$expected" "$expected.$kind" ||
                fail "$program --help in $locale beside a $kind catalogue: $(head -c 300 "$expected.$kind")"
        done
    done
done
[ "$failed" -eq 0 ] && echo "planted catalogues test passed"
exit "$failed"
