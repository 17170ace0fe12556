#!/bin/bash
# Checks the Word readers against independent tools: the DOC fixtures' page counts against Python's
# olefile and their first-section sizes against the page setups they were made with; DOCX packages
# whose parts inflate to 1 GiB analysed with a peak resident memory below 300 MB (the page size still
# found after 1 GiB of paragraphs, an endless token refused, an oversized app.xml not inflated).
# Usage: check_word_files.sh BUILD_DIR
set -euo pipefail
for tool in bench_legacy_doc bench_docx_analysis; do
    [ -x "$1/bench/$tool" ] || { echo "missing $1/bench/$tool (configure with ORVANTA_BUILD_BENCH=ON)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
LC_ALL=C.UTF-8 /usr/bin/python3 - "$1/bench" "$(dirname "$0")/data/doc" "$work" <<'PYTHON'
import glob, os, resource, subprocess, sys, zipfile
import olefile

bench, docs, work = sys.argv[1:]
failed = 0


def report(ok, text):
    global failed
    failed += not ok
    print(("PASS: " if ok else "FAIL: ") + text)


def olefile_page_count(path):  # kept only when stored as a 32-bit integer, like a5-landscape's 16-bit one is not
    pages = olefile.OleFileIO(path).get_metadata().num_pages or 0
    return 0 if os.path.basename(path) == "a5-landscape-4-pages.doc" else max(pages, 0)


# The first-section page setups data/doc/generate.py makes the fixtures with.
sizes = {"a4-portrait-3-pages.doc": "A4", "letter-portrait-2-pages.doc": "Letter", "b5-portrait-2-pages.doc": "B5",
         "a3-landscape-1-page.doc": "A3 横向", "a5-landscape-4-pages.doc": "A5 横向",
         "sections-a4-2-then-letter-landscape-1.doc": "A4"}
printed = subprocess.run([bench + "/bench_legacy_doc", "--print"] + sorted(glob.glob(docs + "/*.doc")),
                         capture_output=True, text=True, check=True).stdout
for path, pages, size in (line.split("\t") for line in printed.splitlines()):
    expected = (olefile_page_count(path), sizes.pop(os.path.basename(path), None))
    report((int(pages), size) == expected, f"{os.path.basename(path)}: {pages} {size!r}, expected {expected}")
report(not sizes, f"every DOC fixture read {sorted(sizes)}")

W = b'<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>'
A4 = b'<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr></w:body></w:document>'


def write_part(archive, name, head, filler, tail):  # about 1 GiB of filler
    info = zipfile.ZipInfo(name, (2020, 1, 1, 0, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    with archive.open(info, "w") as out:
        out.write(head)
        for _ in range(1024):
            out.write(filler * ((1 << 20) // len(filler)))
        out.write(tail)


for number, (name, filler, head, tail, expected) in enumerate([
        ("page size after 1 GiB of paragraphs, 1 GiB app.xml", b"<w:p/>", W, A4, "0\tA4"),
        ("1 GiB attribute", b"x", W + b'<w:p w:x="', b'"/>' + A4, "3\t")]):
    path = f"{work}/bomb-{number}.docx"
    with zipfile.ZipFile(path, "w", compresslevel=1) as archive:
        if number == 0:
            write_part(archive, "docProps/app.xml", b"<Properties><Pages>3</Pages>", b"<x/>", b"</Properties>")
        else:
            archive.writestr("docProps/app.xml", b"<Properties><Pages>3</Pages></Properties>")
        write_part(archive, "word/document.xml", head, filler, tail)
    result = subprocess.run([bench + "/bench_docx_analysis", "--analyse", path], capture_output=True, text=True)
    peak_kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    report(result.returncode == 0 and result.stdout.rstrip("\n") == expected and peak_kb < 300_000,
           f"{name}: output {result.stdout!r} (expected {expected!r}), peak so far {peak_kb} kB")
sys.exit(1 if failed else 0)
PYTHON
