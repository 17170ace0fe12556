#!/bin/bash
# Compares every page's colour and size from the page-detail pass with Ghostscript's ink coverage
# and poppler's pdfinfo on the generated classification document. Usage: $0 BUILD_DIR
set -uo pipefail
build=${1:?usage: $0 BUILD_DIR}
tool="$build/bench/bench_page_details"
pdf="$(cd "$(dirname "$0")" && pwd)/data/pages/classification.pdf"
for program in gs pdfinfo; do
    command -v $program >/dev/null || { echo "FAIL: $program is not installed"; exit 1; }
done
[ -x "$tool" ] || { echo "FAIL: $tool is missing; build the bench_page_details target"; exit 1; }

# By default Ghostscript turns a neutral RGB grey into cyan, magenta and yellow. With the plain
# conversion and full black generation and undercolour removal, neutral greys print with black
# alone, so "no C, M or Y coverage at all" (no tolerance needed) means a grey page.
ink=$(gs -q -o - -sDEVICE=inkcov -r50 -dUseFastColor -c "{} setblackgeneration {} setundercolorremoval" -f "$pdf")
# Where the answers differ by design: page 7 is a sepia-toned scan, paper and ink within 30 of 255
# of neutral; a shop prints such a yellowed page in black and white, Ghostscript lays it in M and Y.
declare -A by_design=([7]=0)
info=$(pdfinfo -f 1 -l 9999 -box "$pdf" 2>/dev/null)

passed=0
failed=0
check() {
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $1 is '$2', expected '$3'"
    fi
}

listing=$("$tool" --list "$pdf")
check "page count" "$(wc -l <<<"$listing")" "$(sed -n 's/^Pages: *//p' <<<"$info")"
while IFS=$'\t' read -r _ page size colour; do
    read -r c m y _ < <(sed -n "${page}p" <<<"$ink")
    theirs=$(awk -v c="$c" -v m="$m" -v y="$y" 'BEGIN { print (c + m + y > 0) ? 1 : 0 }')
    check "page $page colour" "$colour" "${by_design[$page]-$theirs}"
    read -r w h < <(sed -n "s/^Page *$page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p" <<<"$info")
    rot=$(sed -n "s/^Page *$page rot: *//p" <<<"$info")
    [ $(((rot % 180 + 180) % 180)) -eq 90 ] && read -r w h <<<"$h $w"
    label=$(awk -v w="$w" -v h="$h" 'BEGIN {
        split("A3 841.89 1190.55 A4 595.28 841.89 A5 419.53 595.28 Letter 612 792", t, " ")
        s = w < h ? w : h; l = w < h ? h : w
        for (i = 1; i < 12; i += 3)
            if ((s - t[i + 1]) ^ 2 < 1 && (l - t[i + 2]) ^ 2 < 1) name = t[i]
        print (name ? name : "?") (w > h ? " 横向" : "") }')
    check "page $page size" "$size" "$label"
done <<<"$listing"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 1 ]
