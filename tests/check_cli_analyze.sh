#!/usr/bin/env bash
# The headless analyze command: usage errors, exit codes, JSON lines in input order.
set -u
build=${1:?build folder}
cli="$build/cli/orvanta-cli"
data="$(cd "$(dirname "$0")" && pwd)/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cli" >/dev/null 2>&1; [ $? -eq 2 ] || fail "no arguments must exit 2"
"$cli" frobnicate x >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown command must exit 2"
"$cli" analyze >/dev/null 2>&1; [ $? -eq 2 ] || fail "analyze without paths must exit 2"
"$cli" analyze --bogus x >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option must exit 2"
"$cli" --help | grep -q "orvanta-cli analyze PATH" || fail "--help must explain the command"
"$cli" analyze /nonexistent/file.pdf >/dev/null 2>&1; [ $? -eq 1 ] || fail "a missing path must exit 1"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/folder \"quoted\" %1 ✓"
cp "$data/doc/a4-portrait-3-pages.doc" "$tmp/folder \"quoted\" %1 ✓/Z.doc"
cp "$data/pdf/"*.pdf "$tmp/folder \"quoted\" %1 ✓/" 2>/dev/null
printf 'plain text' > "$tmp/notes.txt"

out="$tmp/out.jsonl"
"$cli" analyze "$tmp/folder \"quoted\" %1 ✓/Z.doc" "$tmp/notes.txt" "$tmp/folder \"quoted\" %1 ✓" >"$out" 2>"$tmp/err"
status=$?
[ $status -eq 0 ] || fail "analysis of existing files must exit 0 (got $status)"
grep -q "notes.txt" "$tmp/err" || fail "unsupported files are named on stderr"

python3 - "$out" "$tmp" <<'PY' || failures=$((failures + 1))
import json, sys
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
docs = [json.loads(l) for l in lines]
assert all(list(d) == ["filePath", "fileName", "fileType", "pageCount", "paperSize"] for d in docs), "field order"
first = docs[0]
assert first["fileName"] == "Z.doc" and first["fileType"] == "DOC", first
assert first["pageCount"] == 3 and first["paperSize"] == "A4", first
# The folder repeats Z.doc: it is listed once, in the position of its first mention.
assert [d["fileName"] for d in docs].count("Z.doc") == 1, "duplicate listed twice"
by_name = {d["fileName"]: d for d in docs}
assert "notes.txt" not in by_name
for d in docs:
    assert isinstance(d["pageCount"], int)
print(f"{len(docs)} documents checked")
PY
[ $failures -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
