#!/usr/bin/env bash
# The quote workbook as independent readers see it: unzip's CRC test, openpyxl (values, numeric
# cells, number formats, merge, auto-filter, frozen rows) and LibreOffice's CSV conversion; and a
# refused workbook leaves the path as it was.
set -u
build=${1:?build folder}
sample="$build/tests/quote_workbook_sample"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Debian's interpreter, which has python3-openpyxl, even when another python3 comes first in PATH.
py=$(command -v /usr/bin/python3 || command -v python3)

mkdir -p "$tmp/refused/folder.xlsx"
echo previous >"$tmp/refused/old.xlsx"
"$sample" "$tmp/refused/old.xlsx" USD 1 $'control\x01character.pdf' >/dev/null 2>&1 && fail "a control character must refuse the sheet"
"$sample" "$tmp/refused/folder.xlsx" USD 1 2>&1 >/dev/null | grep -q "无法写入 Excel 文件：" || fail "a folder as target must fail with the reason"
[ "$(cat "$tmp/refused/old.xlsx")" = previous ] && [ "$(ls "$tmp/refused" | wc -l)" = 2 ] || fail "a refused workbook changed the folder"

samples=(USD-3 JPY-3 EUR-0 EUR-3p)
for s in "${samples[@]}"; do
  "$sample" "$tmp/$s.xlsx" ${s/-/ } >"$tmp/$s.json" || fail "$s not written"
  unzip -tq "$tmp/$s.xlsx" >/dev/null || fail "unzip -t $s"
done
# One LibreOffice run for all samples; 76 is UTF-8.
HOME="$tmp" soffice --headless "-env:UserInstallation=file://$tmp/lo" \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir "$tmp" "$tmp"/*.xlsx >/dev/null 2>&1
for s in "${samples[@]}"; do
  "$py" - "$tmp/$s" <<'PY' || failures=$((failures + 1))
import csv, json, openpyxl, sys
base = sys.argv[1]
fig = json.load(open(base + ".json"))
d, rows, totals, last = fig["decimals"], fig["rows"], fig["totals"], fig["lastColumn"]
n = len(rows)
ws = openpyxl.load_workbook(base + ".xlsx").active
table = list(csv.reader(open(base + ".csv", encoding="utf-8")))
errors = []
def check(what, ok):
    errors.extend([] if ok else [what])
def number(ref, expected, fmt):
    cell = ws[ref]
    check(f"{ref}: {cell.value!r} ({cell.number_format}) is {expected} ({fmt})", type(cell.value) in (int, float)
          and cell.value == round(expected, 0 if fmt == "0" else d) and cell.number_format == fmt)
shown = lambda r: float(table[r - 1][8].replace(",", ""))  # column I as LibreOffice shows it
money = "#,##0" + ("." + "0" * d if d else "")
layout = ([str(r) for r in ws.merged_cells.ranges], ws.auto_filter.ref, ws.freeze_panes)
check(f"merge, auto-filter, frozen rows: {layout}", layout == ([f"A1:{last}1"], f"A4:{last}{n + 4}", "A5"))
for r, (name, pages, copies, unit, fee, amount, breakdown) in enumerate(rows, 5):
    check(f"{last}{r} breakdown", last == "I" or (ws[f"J{r}"].value or "") == breakdown == table[r - 1][9])
    check(f"A{r} file name", ws[f"A{r}"].value == name == table[r - 1][0])
    for col, value, fmt in (("C", pages, "0"), ("E", copies, "0"), ("F", unit, money), ("H", fee, money), ("I", amount, money)):
        number(f"{col}{r}", int(value) if str(value).isdigit() else 0 if fmt == "0" else value, fmt)
    check(f"CSV I{r}", shown(r) == round(amount, d))
check("blank row after the data", all(c.value is None for c in ws[n + 5]))
for r, value in enumerate(totals, n + 6):
    number(f"I{r}", value, money)
    check(f"H{r} label", bool(ws[f"H{r}"].value))
check("I2 is the grand total", ws["I2"].value == ws[f"I{n + 12}"].value)
check("CSV total", shown(n + 12) == round(totals[-1], d) == shown(2))
sys.exit("\n".join(f"FAIL: {base} {e}" for e in errors) or None)
PY
done
exit $((failures > 0))
