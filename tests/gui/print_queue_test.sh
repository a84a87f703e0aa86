#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Print... sends the sheets of Save Image's PDF to a real print queue: a private cupsd (own
# folder and socket) with a cups-pdf queue named PDF; the page count and every page's size
# of the printed file must be the PDF's (cups-pdf turns landscape pages upright, so a size
# is compared either way round). Skips (77) where the queue cannot start.
# Usage: print_queue_test.sh <panelwright_gui_tests>
set -u
export LC_ALL=C  # lpstat and pdfinfo read as in English
tests=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ "$(id -u)" = 0 ] || skip "cups-pdf prints for root only"
for tool in cupsd lpadmin lpstat pdfinfo; do
    command -v "$tool" >/dev/null || skip "no $tool"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -r "$ppd" ] || skip "no cups-pdf"

# cups-pdf writes into its configured folder, ${HOME}/PDF of the job's owner by default.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(awk '$1 == "Out" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$home}

work=$(mktemp -d)
cupsd_pid=
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    [ -f "$work/printed" ] && rm -f -- "$(cat "$work/printed")"
    rm -rf -- "$work"
}
trap cleanup EXIT
# The filters run as another user: they need the folders open to them.
chmod 755 "$work"
mkdir -p "$work"/{spool,cache,state,log,tmp}
chmod 1777 "$work/tmp"
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
CONF
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" 2>/dev/null || skip "the queue does not start"

touch "$work/before"
PANELWRIGHT_PRINTER=PDF PANELWRIGHT_TEST_PDF=$work/saved.pdf QT_QPA_PLATFORM=offscreen \
    "$tests" --gtest_filter=PrintQueueTest.* || exit 1
[ -s "$work/saved.pdf" ] || { echo "FAILED: Save Image wrote no PDF"; exit 1; }

printed=
for _ in $(seq 300); do
    printed=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$work/before" 2>/dev/null | head -1)
    [ -n "$printed" ] && [ -z "$(lpstat -W not-completed -o PDF 2>/dev/null)" ] && break
    lpstat -p PDF 2>/dev/null | grep -q disabled && break
    sleep 0.1
done
[ -n "$printed" ] || { echo "FAILED: nothing printed"; tail -5 "$work/log/error_log" 2>/dev/null; exit 1; }
echo "$printed" >"$work/printed"

# Each page's size in points, the shorter side first.
sizes() {
    pdfinfo -f 1 -l 1000 "$1" | awk '/^Page +[0-9]+ size:/ {
        w = $4; h = $6; if (w > h) { t = w; w = h; h = t }
        printf "%.0f x %.0f\n", w, h }'
}
expected=$(sizes "$work/saved.pdf")
got=$(sizes "$printed")
echo "PDF: $(echo "$expected" | wc -l) pages; printed: $(echo "$got" | wc -l) pages"
if [ -z "$expected" ] || [ "$expected" != "$got" ]; then
    echo "FAILED: the printed pages differ from the PDF's"
    diff <(echo "$expected") <(echo "$got")
    exit 1
fi
echo "PASSED"
