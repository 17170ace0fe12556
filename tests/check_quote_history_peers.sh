#!/usr/bin/env bash
# Issued quotes as independent tools read them: sqlite3 for the stored row, pdftotext and openpyxl for
# a re-issue after the prices and the interface language changed; an odd old row; a failed insert.
set -u
cli="${1:?build folder}/cli/orvanta-cli"
data="$(cd "$(dirname "$0")" && pwd)/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" LC_ALL=C.UTF-8
py=$(command -v /usr/bin/python3 || command -v python3)
db="$XDG_DATA_HOME/Orvanta/Tessaly/orvanta.db"
conf="$XDG_CONFIG_HOME/Orvanta/Tessaly.conf"
mkdir -p "$(dirname "$db")" "$(dirname "$conf")" "$tmp/in"
printf '[General]\nlanguage=de_DE\n' >"$conf"
cp "$data/pdf/a4-portrait.pdf" "$tmp/in/a&b.pdf"
cp "$data/pdf/five-pages.pdf" "$tmp/in/scan_2024_10p_r180.pdf"
"$py" - "$db" <<'PY'
import json, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
prices = ", ".join(f"price_{s} REAL" for s in "a0 a1 a2 a3 a4 a5 b4 b5 other".split())
db.execute(f"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, {prices}, color_prices TEXT, binding_prices TEXT, profile_options TEXT)")
options = {"localeName": "de_DE", "currencyCode": "EUR", "taxRate": 19, "setupFee": 1.5, "customerName": "Kunde <A> & B"}
db.execute("INSERT INTO price_profiles (profile_name, binding, price_a4, price_other, profile_options) VALUES ('Laden', 0.2, 0.13, 0.3, ?)",
           (json.dumps(options),))
db.commit()
PY
count() { sqlite3 "$db" "SELECT count(*) FROM quotes"; }

"$cli" quote --profile Laden --copies 2 --pdf "$tmp/first.pdf" --xlsx "$tmp/first.xlsx" "$tmp/in" >/dev/null 2>"$tmp/err" ||
    fail "quote with --pdf and --xlsx must succeed"
[ "$(count)" = 1 ] || fail "one issued quote must be one row, not $(count)"
number=$(sqlite3 "$db" "SELECT quote_no FROM quotes")
grep -q "$number" "$tmp/err" || fail "the command must name the saved quote"
"$cli" quote --profile Laden --copies 2 --json "$tmp/in" 2>/dev/null >"$tmp/priced.json"
sqlite3 -json "$db" "SELECT * FROM quotes" | "$py" -c '
import json, re, sys
row = json.load(sys.stdin)[0]
priced = json.load(open(sys.argv[1]))
detail = json.loads(row["detail_json"])
assert re.fullmatch(r"Q\d{14}", row["quote_no"]), row["quote_no"]
assert row["customer"] == "Kunde <A> & B" and row["file_count"] == 2 and row["total_pages"] == 12, row
assert abs(row["total_amount"] - priced["totals"]["grandTotal"]) < 1e-9, (row["total_amount"], priced["totals"])
assert sorted(r["fileName"] for r in detail["rows"]) == ["a&b.pdf", "scan_2024_10p_r180.pdf"], detail["rows"]
assert detail["language"] == "de_DE" and detail["profile"]["options"]["taxRate"] == 19' "$tmp/priced.json" ||
    fail "the stored row must hold the issued figures"

# Prices, tax and language change; the re-issue keeps what was issued.
sqlite3 "$db" "UPDATE price_profiles SET price_a4=9, profile_options=json_set(profile_options,'$.taxRate',0)"
printf '[General]\nlanguage=ru_RU\n' >"$conf"
"$cli" quotes export "$number" --pdf "$tmp/again.pdf" --xlsx "$tmp/again.xlsx" 2>/dev/null || fail "quotes export must succeed"
[ -s "$tmp/again.pdf" ] && diff <(pdftotext -layout "$tmp/first.pdf" -) <(pdftotext -layout "$tmp/again.pdf" -) >/dev/null ||
    fail "the re-issued PDF's text must equal the first issue's"
"$py" - "$tmp/first.xlsx" "$tmp/again.xlsx" <<'PY' || fail "the re-issued workbook must hold the first issue's cells"
import sys, openpyxl
first, again = (openpyxl.load_workbook(p).active for p in sys.argv[1:])
cells = lambda sheet: [[c.value for c in row] for row in sheet.iter_rows()]
assert cells(first) == cells(again) and any("a&b.pdf" == c for r in cells(first) for c in r)
PY
"$cli" quotes list --json --customer "<A> &" | "$py" -c "import json,sys; l=json.load(sys.stdin); assert [q['quoteNo'] for q in l]==['$number'], l" ||
    fail "list --customer must find the quote"
"$cli" quotes list --json --since 2999-01-01 | grep -qx '\[\]' || fail "list --since a later day must find nothing"
"$cli" quotes show "$number" | grep -q "scan_2024_10p_r180.pdf" || fail "show must list the quote's files"

# An older version's row is listed and shown, refused for a re-issue, and never rewritten.
sqlite3 "$db" "INSERT INTO quotes(quote_no,customer,created_at,file_count,detail_json) VALUES('OLD-1','Alt','gestern','x','{\"lines\":1}')"
before=$(sqlite3 "$db" "SELECT * FROM quotes" | md5sum)
"$cli" quotes list | grep -q "^OLD-1" || fail "an old row must be listed"
"$cli" quotes show OLD-1 --json | grep -q '"lines":1' || fail "an old row must be shown as stored"
"$cli" quotes export OLD-1 --pdf "$tmp/old.pdf" 2>/dev/null
[ $? -eq 1 ] && [ ! -e "$tmp/old.pdf" ] || fail "an old row cannot be issued again and must exit 1"
"$cli" quotes show NOWHERE >/dev/null 2>&1
[ $? -eq 1 ] || fail "an unknown number must exit 1"
"$cli" quotes export "$number" >/dev/null 2>&1
[ $? -eq 2 ] || fail "export without a file is a usage error"
[ "$(sqlite3 "$db" "SELECT * FROM quotes" | md5sum)" = "$before" ] || fail "reading must not change the stored rows"

# A failed insert keeps the document and says so; --no-save writes no row.
sqlite3 "$db" "CREATE TRIGGER full BEFORE INSERT ON quotes BEGIN SELECT RAISE(ABORT,'disk full'); END"
"$cli" quote --profile Laden --pdf "$tmp/kept.pdf" "$tmp/in" >/dev/null 2>"$tmp/err" || fail "a failed insert must not fail the export"
[ -s "$tmp/kept.pdf" ] && grep -q "not saved.*disk full" "$tmp/err" || fail "the export stays and the failure is reported"
sqlite3 "$db" "DROP TRIGGER full"
"$cli" quote --profile Laden --no-save --pdf "$tmp/unsaved.pdf" "$tmp/in" >/dev/null 2>&1 || fail "--no-save must export"
[ "$(count)" = 2 ] || fail "neither the failed nor the unsaved quote may add a row"

[ "$failures" -eq 0 ] && echo "quote history peers: all checks passed"
exit "$failures"
