#!/usr/bin/env bash
# The quote workbook as independent readers see it: unzip's CRC test, openpyxl (values, numeric
# cells, number formats, merge, auto-filter, frozen rows) and LibreOffice's CSV conversion.
set -u
build=${1:?build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
# Debian's interpreter, which has python3-openpyxl, even when another python3 comes first in PATH.
py=$(command -v /usr/bin/python3 || command -v python3)
samples=(USD-3 JPY-3 EUR-0)
for sample in "${samples[@]}"; do
  "$build/tests/quote_workbook_sample" "$tmp/$sample.xlsx" ${sample/-/ } >"$tmp/$sample.json" ||
    { echo "FAIL: $sample not written"; failures=$((failures + 1)); }
  unzip -tq "$tmp/$sample.xlsx" >/dev/null || { echo "FAIL: unzip -t $sample"; failures=$((failures + 1)); }
done
# One LibreOffice run for all samples; 76 is UTF-8.
HOME="$tmp" soffice --headless "-env:UserInstallation=file://$tmp/lo" \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir "$tmp" "$tmp"/*.xlsx >/dev/null 2>&1
for sample in "${samples[@]}"; do
  "$py" - "$tmp/$sample.xlsx" "$tmp/$sample.json" "$tmp/$sample.csv" <<'PY' || failures=$((failures + 1))
import csv, json, sys
import openpyxl
book, figures, csv_path = sys.argv[1:]
fig = json.load(open(figures))
d, rows = fig["decimals"], fig["rows"]
n = len(rows)
ws = openpyxl.load_workbook(book).active
errors = []
def check(what, ok):
    if not ok:
        errors.append(what)
def number(cell, expected, fmt):
    check(f"{cell.coordinate} is a number", type(cell.value) in (int, float))
    check(f"{cell.coordinate} = {expected}", cell.value == round(expected, d if fmt != "0" else 0))
    check(f"{cell.coordinate} format {cell.number_format}", cell.number_format == fmt)
def as_int(text):
    return int(text) if text.lstrip("-").isdigit() else 0
money = "#,##0" if d == 0 else "#,##0." + "0" * d
check("merged A1:I1", [str(r) for r in ws.merged_cells.ranges] == ["A1:I1"])
check("auto-filter ref", ws.auto_filter.ref == f"A4:I{n + 4}")
check("rows 1-4 frozen", ws.freeze_panes == "A5")
for k, row in enumerate(rows):
    r = k + 5
    check(f"A{r} file name", ws[f"A{r}"].value == row["fileName"])
    number(ws[f"C{r}"], as_int(row["pagesText"]), "0")
    number(ws[f"E{r}"], as_int(row["copiesText"]), "0")
    number(ws[f"F{r}"], row["unitPrice"], money)
    number(ws[f"H{r}"], row["bindingFee"], money)
    number(ws[f"I{r}"], row["lineAmount"], money)
check("blank row after the data", all(c.value is None for c in ws[n + 5]))
for i, value in enumerate(fig["totals"]):
    number(ws[f"I{n + 6 + i}"], value, money)
    check(f"H{n + 6 + i} label", bool(ws[f"H{n + 6 + i}"].value))
check("I2 is the grand total", ws["I2"].value == ws[f"I{n + 12}"].value)
check("the discounts are not positive", ws[f"I{n + 8}"].value <= 0 and ws[f"I{n + 9}"].value <= 0)
# LibreOffice writes the figures as shown; they must be the same numbers.
table = list(csv.reader(open(csv_path, encoding="utf-8")))
def shown(r, c):
    return float(table[r - 1][c].replace(",", ""))
for k, row in enumerate(rows):
    check(f"CSV row {k + 5}", table[k + 4][0] == row["fileName"] and shown(k + 5, 8) == round(row["lineAmount"], d))
check("CSV total", shown(n + 12, 8) == round(fig["totals"][-1], d) == shown(2, 8))
for e in errors:
    print("FAIL:", book, e)
sys.exit(1 if errors else 0)
PY
done
[ $failures -eq 0 ] && echo "all xlsx peer checks passed"
exit $((failures > 0))
