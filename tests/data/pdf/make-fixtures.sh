#!/bin/bash
# Rebuilds the PDF fixtures of this folder. Each document is written by hand as plain PDF text
# without a cross-reference table; qpdf then rewrites it into a well-formed file (repairing the
# missing table), rotates, merges, encrypts or compresses it. The damaged fixtures keep the
# hand-written text, or a qpdf output damaged on purpose.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

A4='[0 0 595.28 841.89]'
A3='[0 0 841.89 1190.55]'
LETTER='[0 0 612 792]'

# pdf_text OBJECT... : objects 1..n in order; object 1 is the catalogue.
pdf_text() {
    local n=1
    printf '%%PDF-1.4\n'
    for body in "$@"; do
        printf '%d 0 obj\n%s\nendobj\n' "$n" "$body"
        n=$((n + 1))
    done
    printf 'trailer\n<< /Size %d /Root 1 0 R >>\n%%%%EOF\n' "$n"
}

# qpdf exits with 3 when it repaired the input with warnings, which is the point here.
qpdf_fix() {
    local rc=0
    qpdf --no-warn --static-id --compress-streams=n --object-streams=disable "$@" || rc=$?
    if [ "$rc" -ne 0 ] && [ "$rc" -ne 3 ]; then
        echo "qpdf failed ($rc): $*" >&2
        exit 1
    fi
}

# fixed NAME OBJECT... : a hand-written document repaired by qpdf into NAME.pdf
fixed() {
    local name=$1
    shift
    pdf_text "$@" >"$work/$name.txt.pdf"
    qpdf_fix "$work/$name.txt.pdf" "$name.pdf"
}

CATALOG='<< /Type /Catalog /Pages 2 0 R >>'
CONTENT='<< /Length 35 >>
stream
BT /F1 24 Tf 72 720 Td (Page) Tj ET
endstream'

# one_page NAME ROOT_EXTRA PAGE_EXTRA : one page, object 3, under the root object 2.
one_page() {
    fixed "$1" "$CATALOG" "<< /Type /Pages /Kids [3 0 R] /Count 1 $2 >>" \
        "<< /Type /Page /Parent 2 0 R /Contents 4 0 R $3 >>" "$CONTENT"
}

one_page a4-portrait "" "/MediaBox $A4"
one_page a3-portrait "" "/MediaBox $A3"
one_page a4-landscape-mediabox "" "/MediaBox [0 0 842 595]"
one_page letter-reversed-mediabox "" "/MediaBox [612 792 0 0]"
one_page letter-mediabox-extra-items "" "/MediaBox [0 0 612 792 5 /Junk]"
one_page mediabox-inherited-from-root "/MediaBox $A4" ""
one_page rotate-inherited-from-root "/Rotate 90" "/MediaBox $A4"
one_page mediabox-non-numeric-item "" "/MediaBox [0 0 /Wide 842]"
one_page mediabox-three-items "" "/MediaBox [0 0 595]"
one_page mediabox-missing "" ""
one_page mediabox-zero-area "" "/MediaBox [0 0 0 0]"
for rotation in 90 -90 180 270; do
    one_page "a4-rotate-${rotation/-/minus-}" "" "/MediaBox $A4 /Rotate $rotation"
done
one_page a4-rotate-not-a-number "" "/MediaBox $A4 /Rotate /Ninety"
# Exactly representable as a double and 90 modulo 360, but far outside the int range.
one_page a4-rotate-beyond-int-range "" "/MediaBox $A4 /Rotate 3600000000000090"

# The page's "/Parent" leads into a loop of two dictionaries, away from the real tree.
fixed parent-cycle-own-mediabox "$CATALOG" "<< /Type /Pages /Kids [3 0 R] /Count 1 >>" \
    "<< /Type /Page /Parent 4 0 R /MediaBox $A4 >>" "<< /Parent 5 0 R >>" "<< /Parent 4 0 R >>"
fixed parent-cycle-no-mediabox "$CATALOG" "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox $A4 >>" \
    "<< /Type /Page /Parent 4 0 R >>" "<< /Parent 5 0 R >>" "<< /Parent 4 0 R >>"

# page_tree_chain NAME LEVELS : the page sits under LEVELS nested page-tree nodes; only the
# outermost node has a media box.
page_tree_chain() {
    local name=$1 levels=$2 objects=("$CATALOG") i
    for ((i = 0; i < levels; i++)); do
        local number=$((i + 2)) parent="" box=""
        [ "$i" -gt 0 ] && parent="/Parent $((number - 1)) 0 R"
        [ "$i" -eq 0 ] && box="/MediaBox $A4"
        objects+=("<< /Type /Pages /Kids [$((number + 1)) 0 R] /Count 1 $parent $box >>")
    done
    objects+=("<< /Type /Page /Parent $((levels + 1)) 0 R >>")
    fixed "$name" "${objects[@]}"
}
# The page and 63 ancestors are looked at; a box on the 64th ancestor is out of reach.
page_tree_chain mediabox-63-levels-up 63
page_tree_chain mediabox-64-levels-up 64

qpdf_fix --empty --pages a4-portrait.pdf a3-portrait.pdf -- a4-then-a3.pdf
qpdf_fix --empty --pages a4-then-a3.pdf a4-then-a3.pdf a4-portrait.pdf -- five-pages.pdf
qpdf --static-id --object-streams=generate five-pages.pdf five-pages-object-streams.pdf
qpdf --static-id --encrypt user owner 256 -- a4-portrait.pdf encrypted-user-password.pdf
qpdf --static-id --encrypt "" owner 256 -- a4-then-a3.pdf encrypted-owner-password-only.pdf
qpdf --static-id --allow-weak-crypto --encrypt "" owner 128 --use-aes=n -- a4-portrait.pdf encrypted-rc4-owner-password-only.pdf

# Damaged files. qpdf opens the first with warnings only.
pdf_text "$CATALOG" "<< /Type /Pages /Kids [3 0 R] /Count 1 >>" \
    "<< /Type /Page /Parent 2 0 R /MediaBox $A4 >>" >warnings-only-no-xref.pdf
head -c 700 five-pages.pdf >truncated.pdf
pdf_text "$CATALOG" "<< /Type /Pages /Kids [2 0 R] /Count 1 >>" >kids-loop.pdf
# Page trees qpdf's walk refuses: a node under the root twice, and a loop back to the root.
pdf_text "$CATALOG" "<< /Type /Pages /Kids [3 0 R 3 0 R] /Count 2 >>" \
    "<< /Type /Pages /Parent 2 0 R /Kids [4 0 R] /Count 1 >>" "<< /Type /Page /Parent 3 0 R /MediaBox $A4 >>" \
    >kids-node-twice.pdf
pdf_text "$CATALOG" "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>" \
    "<< /Type /Page /Parent 2 0 R /MediaBox $A3 >>" "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>" \
    >kids-loop-to-root.pdf
pdf_text "$CATALOG" "<< /Type /Pages /Kids [3 0 R 7 (text)] /Count 3 >>" \
    "<< /Type /Page /Parent 2 0 R /MediaBox $A4 >>" >kids-not-dictionaries.pdf
pdf_text "<< /Type /Catalog >>" >catalog-without-pages.pdf
printf 'This is plain text, not a PDF.\n' >not-a-pdf.pdf

# Damaged beyond what qpdf and Qt PDF open: only the page objects can still be counted.
offset() { grep -abo "$1" "$2" | head -1 | cut -d: -f1; }
{ head -c "$(offset '^xref$' five-pages.pdf)" five-pages.pdf
    tail -c +"$(($(offset '^startxref$' five-pages.pdf) + 1))" five-pages.pdf; } >xref-table-missing.pdf
head -c "$(offset '^trailer' five-pages.pdf)" five-pages.pdf >startxref-missing.pdf
head -c "$(offset '^12 0 obj$' five-pages-object-streams.pdf)" five-pages-object-streams.pdf \
    >object-streams-xref-stream-missing.pdf
# Three pages among the spellings a scan must tell apart, and one left outside the page tree: no
# cross-reference table, no trailer.
cat >page-object-variants.pdf <<'PDF'
%PDF-1.4
1 0 obj << /Type /Catalog /Pages 2 0 R /PageLabels << /Nums [0 << /S /D >>] >> >> endobj
2 0 obj << /Type/Pages/Kids[3 0 R 4 0 R 5 0 R]/Count 3 >> endobj
3 0 obj <</Type/Page/Parent 2 0 R/MediaBox[0 0 595 842]>> endobj
4 0 obj << /Type % a comment /Pages
/Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 6 0 R >> endobj
5 0 obj
<<
/Type
/Pa#67e /Parent 2 0 R /MediaBox [0 0 595 842] /Annots [7 0 R] >>endobj
6 0 obj << /Length 44 >> stream
BT (/Type /Page) Tj ET % /Type /Page <</Type
endstream endobj
7 0 obj << /Type /Annot /Subtype /Text /P 5 0 R /Rect [0 0 10 10] /Contents (\) /Type /Page) >> endobj
8 0 obj << /Type /PageLabel /S /D >> endobj
9 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >> endobj
9 0 obj null endobj
10 0 obj << /Type /Page /MediaBox [0 0 595 842] >> endobj
PDF
