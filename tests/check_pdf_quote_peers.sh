#!/usr/bin/env bash
# The PDF quotation read back by poppler, and the quote command's failures: nothing half-written.
set -u
build=${1:?build folder}
cli="$build/cli/orvanta-cli"
data="$(cd "$(dirname "$0")" && pwd)/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tmp=$(mktemp -d)
mounts=()
cleanup() { for m in "${mounts[@]}"; do umount "$m"; done; rm -rf "$tmp"; }
trap cleanup EXIT
export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" LC_ALL=C.UTF-8
mkdir -p "$XDG_DATA_HOME/Orvanta/Tessaly" "$XDG_CONFIG_HOME/Orvanta" "$tmp/in"
printf '[General]\nlanguage=zh_CN\n' >"$XDG_CONFIG_HOME/Orvanta/Tessaly.conf"
python3 - "$XDG_DATA_HOME/Orvanta/Tessaly/orvanta.db" <<'PY'
import json, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
prices = ", ".join(f"price_{s} REAL" for s in "a0 a1 a2 a3 a4 a5 b4 b5 other".split())
db.execute(f"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, {prices}, "
           "color_prices TEXT, binding_prices TEXT, profile_options TEXT)")
def profile(name, locale, currency):
    options = {"localeName": locale, "currencyCode": currency, "taxRate": 8, "setupFee": 1.5,
               "sellerName": "Druck <Werk> & \"Söhne\"", "customerName": "客户 Kunde & Co",
               "taxIdentifier": "DE-123", "paymentTerms": "30 Tage", "quoteValidityDays": 14}
    db.execute("INSERT INTO price_profiles (profile_name, binding, price_a4, price_other, binding_prices, "
               "profile_options) VALUES (?, 0.2, 0.13, 0.3, ?, ?)",
               (name, json.dumps({"cornerStaple": 0.45}), json.dumps(options)))
profile("Shop US", "en_US", "USD")
profile("Laden DE", "de_DE", "EUR")
db.commit()
PY
names=('a<b>&"c".pdf' '报价 %1.pdf' 'five.pdf')
cp "$data/pdf/a4-portrait.pdf" "$tmp/in/${names[0]}"
cp "$data/pdf/a4-then-a3.pdf" "$tmp/in/${names[1]}"
cp "$data/pdf/five-pages.pdf" "$tmp/in/${names[2]}"

# Title, seller, customer, file names, every amount and the total, as text on Letter paper.
"$cli" quote --profile "Shop US" --binding cornerStaple --copies 2 --pdf "$tmp/us.pdf" --xlsx "$tmp/us.xlsx" "$tmp/in" \
    >"$tmp/us.txt" 2>/dev/null || fail "quote with --pdf and --xlsx must succeed"
unzip -tq "$tmp/us.xlsx" >/dev/null || fail "--xlsx must write a sound workbook"
pdfinfo "$tmp/us.pdf" | grep -q "Page size:.*(letter)" || fail "en_US must print on Letter"
pdftotext -raw "$tmp/us.pdf" "$tmp/us.pdf.txt"
python3 - "$tmp/us.pdf.txt" "$tmp/us.txt" "${names[@]}" <<'PY' || failures=$((failures + 1))
import re, sys, unicodedata
squash = lambda s: re.sub(r"\s+", "", unicodedata.normalize("NFKC", s))  # joins wrapped cells, splits "ﬁ"
pdf = squash(open(sys.argv[1], encoding="utf-8").read())
table = open(sys.argv[2], encoding="utf-8").read().splitlines()
money = [re.split(r"\s{2,}", line.strip())[-1] for line in table if "USD" in line]
assert len(money) == 3 + 7, table
wanted = ["文档打印报价单", 'Druck <Werk> & "Söhne"', "客户 Kunde & Co", "DE-123", "30 Tage"] + sys.argv[3:] + money
missing = [w for w in wanted if squash(w) not in pdf]
assert not missing, f"not in the PDF text: {missing}"
PY
pdffonts "$tmp/us.pdf" | awk 'NR > 2 && $0 ~ /WenQuanYi|Noto.*CJK|Droid.*Fallback/ && / yes /' | grep -q . ||
    fail "a CJK font must be embedded"

"$cli" quote --profile "Laden DE" --json --pdf "$tmp/de.pdf" "$tmp/in" >/dev/null 2>&1 || fail "de_DE quote must succeed"
pdfinfo "$tmp/de.pdf" | grep -q "Page size:.*(A4)" || fail "de_DE must print on A4"

# Usage errors exit 2 and write nothing.
for args in "--profile Nowhere" "--color rainbow" "--binding glue" "--copies 0" "--copies x" "--pdf" "--frobnicate"; do
    # shellcheck disable=SC2086
    "$cli" quote $args --pdf "$tmp/bad.pdf" "$tmp/in" >/dev/null 2>&1
    [ $? -eq 2 ] || fail "quote $args must exit 2"
done
[ -e "$tmp/bad.pdf" ] && fail "a usage error must write nothing"
"$cli" quote "$tmp/missing.pdf" --pdf "$tmp/bad.pdf" >/dev/null 2>&1; [ $? -eq 1 ] || fail "a missing input must exit 1"
[ -e "$tmp/bad.pdf" ] && fail "a missing input must write nothing"

# Unwritable targets exit 1 and leave an existing file as it was: a folder that takes no file,
# and a full disk. Root ignores permissions, so both are small mounts then.
mkdir -p "$tmp/ro" "$tmp/full"
echo "old quotation" >"$tmp/ro/q.pdf"
if [ "$(id -u)" -eq 0 ]; then
    mount -t tmpfs -o size=16k tmpfs "$tmp/full" && mounts+=("$tmp/full")
    mount --bind "$tmp/ro" "$tmp/ro" && mounts+=("$tmp/ro") && mount -o remount,bind,ro "$tmp/ro"
else
    chmod a-w "$tmp/ro"
fi
echo "old quotation" >"$tmp/full/q.pdf" 2>/dev/null && dd if=/dev/zero of="$tmp/full/filler" bs=1k 2>/dev/null
for target in "$tmp/ro/q.pdf" "$tmp/full/q.pdf"; do
    [ "$(cat "$target" 2>/dev/null)" = "old quotation" ] || { echo "SKIP: cannot prepare $target"; continue; }
    for option in --pdf --xlsx; do
        "$cli" quote $option "$target" "$tmp/in" >/dev/null 2>"$tmp/err"
        [ $? -eq 1 ] || fail "$option $target: an unwritable target must exit 1"
        grep -q "not written" "$tmp/err" || fail "$option $target: the failure must be named"
        [ "$(cat "$target")" = "old quotation" ] || fail "$option $target: the existing file must stay intact"
        [ "$(ls "$(dirname "$target")" | grep -v filler)" = "q.pdf" ] || fail "$option $target: no temporary file may stay behind"
    done
done
[ "$(id -u)" -eq 0 ] || chmod u+w "$tmp/ro"

[ $failures -eq 0 ] && echo "all PDF quotation checks passed"
exit $((failures > 0))
