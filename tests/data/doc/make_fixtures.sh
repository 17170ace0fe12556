#!/bin/bash
# Regenerates the DOC fixtures of this folder with LibreOffice: each document is written as flat
# ODF with an explicit page setup and page breaks, then converted to Word 97-2003 format.
# Usage: bash make_fixtures.sh   (needs soffice on the PATH)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# layout NAME WIDTH HEIGHT ORIENTATION
layout() {
    printf '<style:page-layout style:name="%s"><style:page-layout-properties fo:page-width="%s" fo:page-height="%s" style:print-orientation="%s" fo:margin-top="20mm" fo:margin-bottom="20mm" fo:margin-left="20mm" fo:margin-right="20mm"/></style:page-layout>\n' "$1" "$2" "$3" "$4"
}

# document FILE PAGES LAYOUT [SECOND_LAYOUT SECOND_PAGES]
document() {
    local file="$1" pages="$2" first="$3" second="${4:-}" secondPages="${5:-0}"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">'
        echo '<office:automatic-styles>'
        echo "$first"
        [ -n "$second" ] && echo "$second"
        echo '<style:style style:name="Break" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>'
        echo '<style:style style:name="NextSection" style:family="paragraph" style:master-page-name="Second"/>'
        echo '</office:automatic-styles><office:master-styles>'
        echo '<style:master-page style:name="Standard" style:page-layout-name="First"/>'
        [ -n "$second" ] && echo '<style:master-page style:name="Second" style:page-layout-name="Other"/>'
        echo '</office:master-styles><office:body><office:text>'
        echo '<text:p>Page 1</text:p>'
        for ((i = 2; i <= pages; i++)); do echo "<text:p text:style-name=\"Break\">Page $i</text:p>"; done
        if [ -n "$second" ]; then
            echo '<text:p text:style-name="NextSection">Second section, page 1</text:p>'
            for ((i = 2; i <= secondPages; i++)); do echo "<text:p text:style-name=\"Break\">Second section, page $i</text:p>"; done
        fi
        echo '</office:text></office:body></office:document>'
    } > "$work/$file.fodt"
}

document a4-portrait-3-pages 3 "$(layout First 210mm 297mm portrait)"
document letter-portrait-2-pages 2 "$(layout First 8.5in 11in portrait)"
document a3-landscape-1-page 1 "$(layout First 420mm 297mm landscape)"
document b5-portrait-2-pages 2 "$(layout First 176mm 250mm portrait)"
document a5-landscape-4-pages 4 "$(layout First 210mm 148mm landscape)"
document sections-a4-2-then-letter-landscape-1 2 "$(layout First 210mm 297mm portrait)" \
    "$(layout Other 11in 8.5in landscape)" 1

soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --convert-to doc:"MS Word 97" --outdir "$here" "$work"/*.fodt

# The suite stores no page count; stamp one into most fixtures, in the variant types readers meet.
stamp() { /usr/bin/python3 "$here/set_page_count.py" "$here/$1.doc" "$2" "$3"; }
stamp a4-portrait-3-pages i4 3
stamp letter-portrait-2-pages ui4 2
stamp b5-portrait-2-pages i4 2
stamp a5-landscape-4-pages i2 4
stamp sections-a4-2-then-letter-landscape-1 i4 3
# a3-landscape-1-page keeps no page count at all.
