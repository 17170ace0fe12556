#!/usr/bin/env bash
# The PDF quotation read back by poppler, and the quote command's failures: nothing half-written.
set -u
cli="${1:?build folder}/cli/orvanta-cli"
data="$(cd "$(dirname "$0")" && pwd)/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tmp=$(mktemp -d)
mounts=()
trap 'for m in "${mounts[@]}"; do umount "$m"; done; rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" LC_ALL=C.UTF-8
mkdir -p "$XDG_DATA_HOME/Orvanta/Tessaly" "$XDG_CONFIG_HOME/Orvanta" "$tmp/in" "$tmp/ro" "$tmp/full"
printf '[General]\nlanguage=zh_CN\n' >"$XDG_CONFIG_HOME/Orvanta/Tessaly.conf"
# Two profiles as the window stores them (columns of later versions are added when read).
python3 - "$XDG_DATA_HOME/Orvanta/Tessaly/orvanta.db" <<'PY'
import json, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
prices = ", ".join(f"price_{s} REAL" for s in "a0 a1 a2 a3 a4 a5 b4 b5 other".split())
db.execute(f"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, {prices}, color_prices TEXT, binding_prices TEXT, profile_options TEXT)")
for name, locale in (("Shop US", "en_US"), ("Laden DE", "de_DE")):
    options = {"localeName": locale, "taxRate": 8, "setupFee": 1.5, "sellerName": "Druck <Werk> & \"Söhne\"",
               "customerName": "客户 Kunde & Co", "taxIdentifier": "DE-123", "paymentTerms": "30 Tage"}
    db.execute("INSERT INTO price_profiles (profile_name, binding, price_a4, price_other, binding_prices, profile_options) "
               "VALUES (?, 0.2, 0.13, 0.3, ?, ?)", (name, '{"cornerStaple": 0.45}', json.dumps(options)))
db.commit()
PY
names=('a<b>&"c".pdf' '报价 %1.pdf' 'five.pdf' 'classification.pdf' '客户确认版报价单第二季度最终稿修改.pdf'
    'scan_2024_10p_r180_very_long_customer_document_name_final_v2.pdf')
for i in "${!names[@]}"; do cp "$data/pdf/$(echo a4-portrait a4-then-a3 five-pages | cut -d' ' -f$((i % 3 + 1))).pdf" "$tmp/in/${names[$i]}"; done
# Every name, amount and total as the window writes them, whole on one line of the PDF's text in both
# of poppler's reading orders: no name cut, no ligature, no zero-width break left in. A no-break
# space prints as the font's one space glyph, so it reads back as a plain space.
pdf_has_texts() {
    for mode in -raw -layout; do
        pdftotext $mode "$1" - | python3 -c '
import re, sys
pdf = sys.stdin.read()
plain = lambda s: s.replace("\u00a0", " ").replace("\u202f", " ")
money = [plain(re.split(r"\s{2,}", l.strip())[-1]) for l in open(sys.argv[1], encoding="utf-8") if "USD" in l]
missing = [w for w in sys.argv[2:] + money if w not in pdf]
odd = sorted({c for c in pdf if c == "\u200b" or "\ufb00" <= c <= "\ufb06"})
assert len(money) == 13 and not missing and not odd, f"{sys.argv[1]}: not in the PDF text: {missing} {odd}"' "$2" "${@:3}" ||
            fail "PDF text ($mode)"
    done
}

# Title, seller, customer, file names, every amount and the total come out as text, on Letter paper.
"$cli" quote --profile "Shop US" --binding cornerStaple --copies 2 --pdf "$tmp/us.pdf" --xlsx "$tmp/us.xlsx" "$tmp/in" \
    >"$tmp/us.txt" 2>/dev/null || fail "quote with --pdf and --xlsx must succeed"
unzip -tq "$tmp/us.xlsx" >/dev/null || fail "--xlsx must write a sound workbook"
pdfinfo "$tmp/us.pdf" | grep -q "Page size:.*(letter)" || fail "en_US must print on Letter"
pdf_has_texts "$tmp/us.pdf" "$tmp/us.txt" "${names[@]}" "文档打印报价单" "Druck <Werk> & \"Söhne\"" "客户 Kunde & Co" \
    "DE-123" "30 Tage"
pdffonts "$tmp/us.pdf" | grep -E 'WenQuanYi|CJK' | grep -q ' yes ' || fail "a CJK font must be embedded"
for language in de_DE ru_RU; do
    printf '[General]\nlanguage=%s\n' $language >"$XDG_CONFIG_HOME/Orvanta/Tessaly.conf"
    "$cli" quote --profile "Laden DE" --binding cornerStaple --pdf "$tmp/$language.pdf" "$tmp/in" >"$tmp/$language.txt" \
        2>/dev/null || fail "$language quote must succeed"
    pdf_has_texts "$tmp/$language.pdf" "$tmp/$language.txt" "${names[@]}"
done
pdfinfo "$tmp/de_DE.pdf" | grep -q "Page size:.*(A4)" || fail "de_DE must print on A4"

# Usage errors exit 2, a missing input 1; neither writes anything.
for args in "--profile Nowhere" "--color rainbow" "--binding glue" "--copies 0" "--copies x" "--pdf" "--bogus" "$tmp/none.pdf"; do
    # shellcheck disable=SC2086
    "$cli" quote $args --pdf "$tmp/bad.pdf" "$tmp/in" >/dev/null 2>&1
    [ $? -eq $([ "$args" = "$tmp/none.pdf" ] && echo 1 || echo 2) ] || fail "quote $args: wrong exit status"
done
[ -e "$tmp/bad.pdf" ] && fail "a failed quote must write nothing"

# A folder that takes no file and a full disk: exit 1, the old file intact, no temporary file left.
# Root ignores permissions, so both are small mounts then.
echo "old quotation" >"$tmp/ro/q.pdf"
if [ "$(id -u)" -eq 0 ]; then
    mount -t tmpfs -o size=16k tmpfs "$tmp/full" && mounts+=("$tmp/full")
    mount --bind "$tmp/ro" "$tmp/ro" && mounts+=("$tmp/ro") && mount -o remount,bind,ro "$tmp/ro"
else chmod a-w "$tmp/ro"; fi
echo "old quotation" >"$tmp/full/q.pdf" && dd if=/dev/zero of="$tmp/full/filler" bs=1k 2>/dev/null
for target in "$tmp/ro/q.pdf" "$tmp/full/q.pdf"; do
    for option in --pdf --xlsx; do
        "$cli" quote $option "$target" "$tmp/in" >/dev/null 2>"$tmp/err"
        [ $? -eq 1 ] && grep -q "not written" "$tmp/err" || fail "$option $target: must exit 1 naming the failure"
        [ "$(cat "$target")" = "old quotation" ] || fail "$option $target: the existing file must stay intact"
        [ "$(ls "$(dirname "$target")" | grep -v filler)" = "q.pdf" ] || fail "$option $target: temporary file left"
    done
done
[ "$(id -u)" -eq 0 ] || chmod u+w "$tmp/ro"
[ $failures -eq 0 ] && echo "all PDF quotation checks passed"
exit $((failures > 0))
