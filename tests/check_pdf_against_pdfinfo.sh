#!/bin/bash
# Compares the PDF analyser with poppler's pdfinfo on every PDF fixture: the page count with
# "Pages:", and the paper size with "Page size:" turned by "Page rot:". Usage: $0 BUILD_DIR
set -uo pipefail
build=${1:?usage: $0 BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
tool="$build/bench/bench_pdf_analysis"
fixtures="$here/data/pdf"

for needed in pdfinfo qpdf; do
    command -v "$needed" >/dev/null || { echo "FAIL: $needed is not installed (poppler-utils, qpdf)"; exit 1; }
done
[ -x "$tool" ] || { echo "FAIL: $tool is missing; build the bench_pdf_analysis target"; exit 1; }

# Where the analyser deliberately answers differently from pdfinfo, and why:
#   pdfinfo opens nothing here, the analyser gives 0 pages and no size;
declare -A unreadable_for_pdfinfo
#   pdfinfo assumes Letter for a page without a usable media box, the analyser reports no size;
#   pdfinfo finds inherited boxes through the page tree's /Kids, the analyser through /Parent
#   links, at most 64 dictionaries deep;
declare -A no_size=([mediabox-missing.pdf]=1 [mediabox-non-numeric-item.pdf]=1 [mediabox-three-items.pdf]=1
    [mediabox-not-an-array.pdf]=1 [mediabox-zero-area.pdf]=1 [parent-cycle-no-mediabox.pdf]=1 [mediabox-64-levels-up.pdf]=1)
#   poppler ignores a /Rotate that does not fit an int, the analyser reduces it modulo 360;
declare -A rotation_reduced=([a4-rotate-beyond-int-range.pdf]=1)
#   poppler trusts /Count for a page tree whose /Kids loop back; qpdf walks /Kids and refuses
#   the document, so the analyser counts 0 pages.
declare -A qpdf_counts=([kids-loop.pdf]=0)

# named_size W H : the named paper size within 4 mm of W x H millimetres, by short and long side
named_size() {
    awk -v w="$1" -v h="$2" 'BEGIN {
        s = (w < h) ? w : h; l = (w < h) ? h : w
        split("A0 841 1189 A1 594 841 A2 420 594 A3 297 420 A4 210 297 A5 148 210 B4 250 353 B5 176 250 " \
              "JIS-B4 257 364 JIS-B5 182 257 Letter 215.9 279.4 Legal 215.9 355.6 Tabloid 279.4 431.8", t, " ")
        for (i = 1; i <= 39; i += 3) {
            ds = s - t[i + 1]; dl = l - t[i + 2]
            if (ds <= 4 && ds >= -4 && dl <= 4 && dl >= -4) { print t[i]; exit }
        }
        printf "%d\xc3\x97%d mm\n", int(s + 0.5), int(l + 0.5)
    }'
}

# expected_size: the paper-size text pdfinfo's first-page size and rotation stand for
expected_size() {
    local info=$1 w h rot
    read -r w h < <(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' <<<"$info")
    rot=$(sed -n 's/^Page rot: *\(-\?[0-9]*\).*/\1/p' <<<"$info")
    if [ $(((${rot:-0} % 180 + 180) % 180)) -eq 90 ]; then
        local t=$w; w=$h; h=$t
    fi
    local label
    label=$(named_size "$(awk -v p="$w" 'BEGIN { print p * 25.4 / 72 }')" \
        "$(awk -v p="$h" 'BEGIN { print p * 25.4 / 72 }')")
    if awk -v w="$w" -v h="$h" 'BEGIN { exit !(w > h) }'; then
        label="$label 横向"
    fi
    echo "$label"
}

passed=0
failed=0
check() {
    local name=$1 what=$2 ours=$3 theirs=$4
    if [ "$ours" == "$theirs" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name: $what is '$ours', expected '$theirs'"
    fi
}

listing=$("$tool" --list "$fixtures"/*.pdf) || { echo "FAIL: the analyser's one-open and two-open answers differ"; exit 1; }
while IFS=$'\t' read -r path pages size; do
    name=$(basename "$path")
    if ! info=$(pdfinfo "$path" 2>/dev/null) || ! grep -q '^Pages:' <<<"$info"; then
        unreadable_for_pdfinfo[$name]=1
        check "$name" "page count (pdfinfo cannot open it)" "$pages" 0
        check "$name" "paper size (pdfinfo cannot open it)" "$size" ""
        continue
    fi
    if [ -n "${qpdf_counts[$name]+set}" ]; then
        check "$name" "page count" "$pages" "${qpdf_counts[$name]}"
    else
        check "$name" "page count" "$pages" "$(sed -n 's/^Pages: *//p' <<<"$info")"
    fi
    [ "$pages" -gt 0 ] || continue
    if [ -n "${no_size[$name]+set}" ]; then
        check "$name" "paper size" "$size" ""
    elif [ -n "${rotation_reduced[$name]+set}" ]; then
        check "$name" "paper size" "$size" "$(expected_size "$info") 横向"
    else
        check "$name" "paper size" "$size" "$(expected_size "$info")"
    fi
done <<<"$listing"

echo "pdfinfo could not open: ${!unreadable_for_pdfinfo[*]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
