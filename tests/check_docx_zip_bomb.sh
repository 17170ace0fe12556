#!/bin/bash
# DOCX packages whose parts inflate to 1 GiB must be analysed in bounded memory: the page size is
# still found at the end of a huge main part, one endless token is refused, an oversized app.xml
# is not inflated. Peak resident memory of each analysis must stay below 300 MB.
set -euo pipefail
build_dir=${1:?usage: check_docx_zip_bomb.sh BUILD_DIR}
program="$build_dir/bench/bench_docx_analysis"
[ -x "$program" ] || { echo "missing $program (build with ORVANTA_BUILD_BENCH=ON)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$program" "$work" <<'PYTHON'
import resource, subprocess, sys, zipfile

program, work = sys.argv[1], sys.argv[2]
GIB = 1 << 30
W = b'<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>'
A4 = b'<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr></w:body></w:document>'


def write_part(archive, name, head, filler, tail):
    info = zipfile.ZipInfo(name, (2020, 1, 1, 0, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    with archive.open(info, "w") as out:
        out.write(head)
        block = filler * ((1 << 20) // len(filler))
        written = 0
        while written < GIB:
            out.write(block)
            written += len(block)
        out.write(tail)


cases = [
    ("page size after 1 GiB of paragraphs", True, b"<w:p/>", A4, "0\tA4"),
    ("1 GiB attribute", False, b"x", b'"/>' + A4, "3\t"),
]
failed = 0
for number, (name, app_bomb, filler, tail, expected) in enumerate(cases):
    path = f"{work}/bomb-{number}.docx"
    head_tail = (W + b'<w:p w:x="', tail) if filler == b"x" else (W, tail)
    with zipfile.ZipFile(path, "w", compresslevel=1) as archive:
        if app_bomb:
            write_part(archive, "docProps/app.xml", b"<Properties><Pages>3</Pages>", b"<x/>", b"</Properties>")
        else:
            archive.writestr("docProps/app.xml", b"<Properties><Pages>3</Pages></Properties>")
        write_part(archive, "word/document.xml", head_tail[0], filler, head_tail[1])
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    result = subprocess.run([program, "--analyse", path], capture_output=True, text=True, timeout=600)
    peak_kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    output = result.stdout.rstrip("\n")
    ok = result.returncode == 0 and output == expected and peak_kb < 300_000
    failed += not ok
    print(f"{'PASS' if ok else 'FAIL'}: {name}: output {output!r} (expected {expected!r}), "
          f"peak {peak_kb} kB{' (not a new peak)' if peak_kb == before else ''}")
print(f"{len(cases) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
PYTHON
