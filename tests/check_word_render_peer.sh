#!/bin/bash
# Checks the Word rendering against the tools a person would use: every Word fixture's rendered count
# from `orvanta-cli analyze --pages` (one batch) against `soffice --convert-to pdf` run per file and
# `pdfinfo`, and each DOCX's stored count against `unzip -p FILE docProps/app.xml`.
# Usage: check_word_render_peer.sh BUILD_DIR
set -euo pipefail
command -v soffice >/dev/null || { echo "SKIP: LibreOffice is not installed"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$(cd "$(dirname "$0")/data" && pwd)"
failed=0
"$1/cli/orvanta-cli" analyze --pages "$data/docx" "$data/doc" >"$work/lines"
while IFS=$'\t' read -r path type count rendered source; do
    base=$(basename "${path%.*}")
    soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$path" >/dev/null 2>&1 || true
    peer=$( { pdfinfo "$work/$base.pdf" 2>/dev/null || true; } | awk '/^Pages:/ {print $2}')
    rm -f "$work/$base.pdf"
    stored=$( { unzip -p "$path" docProps/app.xml 2>/dev/null || true; } | sed -n 's/.*<Pages>\s*\([0-9]*\)\s*<\/Pages>.*/\1/p')
    ok=1
    [ "$rendered" = "${peer:-0}" ] || ok=0
    if [ "$type" = DOCX ] && [ "$source" = stored ]; then [ "$count" = "${stored:-0}" ] || ok=0; fi
    if [ "$type" = DOCX ] && [ "$source" = rendered ]; then [ "${stored:-0}" = 0 ] || ok=0; fi
    if [ $ok = 1 ]; then echo "PASS: $base rendered $rendered, priced $count ($source)"
    else echo "FAIL: $base rendered $rendered (per-file peer ${peer:-0}), priced $count ($source, app.xml ${stored:-none})"; failed=1; fi
done < <(python3 -c 'import json,sys
for l in sys.stdin: d=json.loads(l); print("\t".join(str(d[k]) for k in ("filePath","fileType","pageCount","renderedPages","pageCountSource")))' <"$work/lines")
exit $failed
