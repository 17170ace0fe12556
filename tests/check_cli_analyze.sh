#!/usr/bin/env bash
# The headless analyze command: usage errors, exit codes, JSON lines in input order.
set -u
cli="${1:?build folder}/cli/orvanta-cli"
data="$(cd "$(dirname "$0")" && pwd)/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { "${@:2}" >/dev/null 2>&1; [ $? -eq "$1" ] || fail "exit $1 expected from ${*:2}"; }
expect 2 "$cli"
expect 2 "$cli" frobnicate x
expect 2 "$cli" analyze
expect 2 "$cli" analyze --bogus x
expect 1 "$cli" analyze /nonexistent/file.pdf
"$cli" --help | grep -q "orvanta-cli analyze \[--pages\] PATH" || fail "--help must explain the command"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
folder="$tmp/folder \"quoted\" %1 ✓"
mkdir -p "$folder"
cp "$data/doc/a4-portrait-3-pages.doc" "$folder/Z.doc"
cp "$data/pdf/"*.pdf "$folder/"
printf 'plain text' > "$tmp/notes.txt"
"$cli" analyze "$folder/Z.doc" "$tmp/notes.txt" "$folder" >"$tmp/out.jsonl" 2>"$tmp/err" || fail "existing files must exit 0"
grep -q "notes.txt" "$tmp/err" || fail "unsupported files are named on stderr"
"$cli" analyze --pages "$data/pages/classification.pdf" "$data/docx/python-a4-portrait.docx" >"$tmp/pages.jsonl"
# A document that breaks its helper loses its own details only (the stand-in helper aborts on it).
mkdir "$tmp/hostile"
cp "$data/pages/classification.pdf" "$tmp/hostile/a.pdf"
cp "$data/pdf/a4-then-a3.pdf" "$tmp/hostile/b-abort-helper.pdf"
ORVANTA_PAGE_DETAIL_STAND_IN=1 "$cli" analyze --pages "$tmp/hostile" >"$tmp/hostile.jsonl" 2>"$tmp/hostile.err" ||
    fail "a crashing helper must not fail the command"
grep -q "page details unavailable for .*b-abort-helper.pdf: the helper crashed" "$tmp/hostile.err" ||
    fail "the document whose helper crashed is named on stderr"

# The folder repeats Z.doc: it is listed once, in the position of its first mention.
python3 - "$tmp/out.jsonl" "$tmp/pages.jsonl" "$tmp/hostile.jsonl" <<'PY' || failures=$((failures + 1))
import json, shutil, sys
docs = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
fields = ["filePath", "fileName", "fileType", "pageCount", "paperSize"]
assert all(list(d) in (fields, fields + ["pageCountEstimated"]) for d in docs), "field order"
assert sorted(d["fileName"] for d in docs if d.get("pageCountEstimated")) == ["encrypted-user-password.pdf",
    "object-streams-xref-stream-missing.pdf", "page-object-variants.pdf", "startxref-missing.pdf", "truncated.pdf",
    "xref-table-missing.pdf"], "estimated counts flagged"
assert list(docs[0].values())[1:] == ["Z.doc", "DOC", 3, "A4"], docs[0]
assert [d["fileName"] for d in docs].count("Z.doc") == 1 and len(docs) > 1, "Z.doc listed once"
assert "notes.txt" not in [d["fileName"] for d in docs]
pages = [(d["colorPages"], d["pageSizes"]) for d in map(json.loads, open(sys.argv[2], encoding="utf-8"))]
# a Word file has page details when LibreOffice renders it
assert pages == [(6, "A4 12, A3 横向 1, A5 1"), (0, "A4 3" if shutil.which("soffice") else "")], pages
hostile = [(d["fileName"], d["colorPages"], d["pageSizes"]) for d in map(json.loads, open(sys.argv[3], encoding="utf-8"))]
assert hostile == [("a.pdf", *pages[0]), ("b-abort-helper.pdf", 0, "")], hostile
PY
[ $failures -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
