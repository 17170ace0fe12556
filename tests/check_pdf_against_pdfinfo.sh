#!/bin/bash
# Compares the PDF analyser with poppler's pdfinfo on every PDF fixture: the page count with
# "Pages:", and the paper size with the name in "Page size:" turned by "Page rot:". Where pdfinfo
# gives up on a damaged file, the page count is compared with mupdf's. Usage: $0 BUILD_DIR
set -uo pipefail
build=${1:?usage: $0 BUILD_DIR}
tool="$build/bench/bench_pdf_analysis"
command -v pdfinfo >/dev/null || { echo "FAIL: pdfinfo is not installed (poppler-utils)"; exit 1; }
command -v mutool >/dev/null || { echo "FAIL: mutool is not installed (mupdf-tools)"; exit 1; }
[ -x "$tool" ] || { echo "FAIL: $tool is missing; build the bench_pdf_analysis target"; exit 1; }

# Where the analyser deliberately answers differently, and why:
#   pdfinfo assumes Letter for a page without a usable media box, the analyser reports no size;
#   pdfinfo finds inherited boxes through /Kids, the analyser through /Parent, at most 64 deep;
declare -A no_size=([mediabox-missing.pdf]=1 [mediabox-non-numeric-item.pdf]=1 [mediabox-three-items.pdf]=1
    [mediabox-zero-area.pdf]=1 [parent-cycle-no-mediabox.pdf]=1 [mediabox-64-levels-up.pdf]=1)
#   poppler ignores a /Rotate beyond the int range, the analyser reduces it modulo 360;
declare -A turned=([a4-rotate-beyond-int-range.pdf]=1)
#   poppler trusts /Count where /Kids refer to a node twice or loop; the analyser counts each page once.
#   neither opens a file without its password; the analyser counts its one plain page object.
declare -A counts=([kids-loop.pdf]=0 [kids-node-twice.pdf]=1 [kids-loop-to-root.pdf]=1
    [encrypted-user-password.pdf]=1)

passed=0
failed=0
check() {
    if [ "$3" == "$4" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $1: $2 is '$3', expected '$4'"
    fi
}

listing=$("$tool" --list "$(dirname "$0")"/data/pdf/*.pdf) || { echo "FAIL: one-open and two-open answers differ"; exit 1; }
while IFS=$'\t' read -r path pages size; do
    name=$(basename "$path")
    info=$(pdfinfo "$path" 2>/dev/null)
    theirs=$(sed -n 's/^Pages: *//p' <<<"$info")
    counted=${theirs:-$(mutool pages "$path" 2>/dev/null | grep -c '<MediaBox')}
    check "$name" "page count" "$pages" "${counts[$name]-$counted}"
    [ -n "$theirs" ] && [ "$pages" -gt 0 ] || { check "$name" "paper size" "$size" ""; continue; }
    read -r w h label < <(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts *(\?\([^)]*\).*/\1 \2 \3/p' <<<"$info")
    rot=$(sed -n 's/^Page rot: *//p' <<<"$info")
    if [ $(((rot % 180 + 180) % 180)) -eq 90 ] || [ -n "${turned[$name]+set}" ]; then read -r w h <<<"$h $w"; fi
    [ "$label" == letter ] && label=Letter
    awk -v w="$w" -v h="$h" 'BEGIN { exit !(w > h) }' && label="$label 横向"
    check "$name" "paper size" "$size" "$([ -n "${no_size[$name]+set}" ] || echo "$label")"
done <<<"$listing"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
