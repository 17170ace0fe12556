#!/bin/bash
# Compares every page's colour and size from the page-detail pass with Ghostscript's ink coverage
# and poppler's pdfinfo on the generated classification document, and every page's colour with
# Ghostscript and poppler's print view on the annotated one. Usage: $0 BUILD_DIR
set -uo pipefail
tool="${1:?usage: $0 BUILD_DIR}/bench/bench_page_details" pdf="$(dirname "$0")/data/pages/classification.pdf"
cli="$1/cli/orvanta-cli" annotated="$(dirname "$0")/data/pages/annotations.pdf" tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
{ command -v gs && command -v pdfinfo && command -v pdftocairo && [ -x "$tool" ] && [ -x "$cli" ]; } >/dev/null ||
    { echo "FAIL: needs gs, pdfinfo, pdftocairo, $tool, $cli"; exit 1; }

# By default Ghostscript turns a neutral RGB grey into cyan, magenta and yellow. With the plain
# conversion and full black generation and undercolour removal, neutral greys print with black
# alone, so "no C, M or Y coverage at all" (no tolerance needed) means a grey page.
inkcov() { gs -q -o - -sDEVICE=inkcov -r50 -dUseFastColor -c "{} setblackgeneration {} setundercolorremoval" -f "$1"; }
ink=$(inkcov "$pdf")
# Where the answers differ by design, Ghostscript counting any ink at all: page 7 is a sepia-toned
# scan, paper and ink within 26 of 255 of neutral, which a shop prints in black and white; page 14
# has one red speck of 1.5 mm, below the 4 mm² a page needs to count as colour.
declare -A by_design=([7]=0 [14]=0)
info=$(pdfinfo -f 1 -l 9999 -box "$pdf" 2>/dev/null) listing=$("$tool" --list "$pdf") failed=0 passed=0
check() { [ "$2" == "$3" ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: $1 is '$2', expected '$3'"; }; }
inked() { read -r c m y _ < <(sed -n "$2p" <<<"$1"); awk "BEGIN { print ($c + $m + $y > 0) }"; }
check "page count" "$(wc -l <<<"$listing")" "$(sed -n 's/^Pages: *//p' <<<"$info")"
while IFS=$'\t' read -r _ page size colour; do
    check "page $page colour" "$colour" "${by_design[$page]-$(inked "$ink" "$page")}"
    read -r w h < <(sed -n "s/^Page *$page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p" <<<"$info")
    [ $(($(sed -n "s/^Page *$page rot: *//p" <<<"$info") % 180)) -ne 0 ] && read -r w h <<<"$h $w"
    check "page $page size" "$size" "$(awk -v w="$w" -v h="$h" 'BEGIN {
        split("A3 841.89 1190.55 A4 595.28 841.89 A5 419.53 595.28 Letter 612 792", t, " ")
        s = w < h ? w : h; l = w < h ? h : w
        for (i = 1; i < 12; i += 3) if ((s - t[i + 1]) ^ 2 < 1 && (l - t[i + 2]) ^ 2 < 1) name = t[i]
        print (name ? name : "?") (w > h ? " 横向" : "") }')"
done <<<"$listing"
# Annotations as printed. pdftoppm alone shows what a screen shows (a field that does not print,
# none that is "not shown on screen"); pdftocairo writes poppler's print view, which pdftoppm then
# renders at 50 dpi and the command line measures with the pass's own thresholds.
pdftocairo -pdf "$annotated" "$tmp/printed.pdf" && pdftoppm -r 50 -png "$tmp/printed.pdf" "$tmp/page"
ink=$(inkcov "$annotated") colour_pages=0 pages=0
while IFS=$'\t' read -r _ page size colour; do
    check "annotated page $page, Ghostscript" "$colour" "$(inked "$ink" "$page")"
    measured=$("$cli" analyze --pages "$tmp"/page-*"$page".png | sed -n 's/.*"colorPages":\([0-9]*\).*/\1/p')
    check "annotated page $page, poppler printing" "$colour" "$measured"
    colour_pages=$((colour_pages + colour)) pages=$((pages + 1))
done < <("$tool" --list "$annotated")
check "annotated pages" "$pages" 7
check "analyze --pages" "$("$cli" analyze --pages "$annotated" | grep -o '"colorPages[^}]*"pageSizes":"[^"]*"')" \
    "\"colorPages\":$colour_pages,\"pageSizes\":\"A4 7\""
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
