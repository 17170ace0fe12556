#!/bin/bash
# Compares the legacy DOC readers with Python's olefile on the DOC fixtures: the page count of the
# summary information and the first-section paper size set when the fixtures were made.
# Usage: check_doc_against_olefile.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tool="$1/bench/bench_legacy_doc"
if [ ! -x "$tool" ]; then
    echo "missing $tool (configure with ORVANTA_BUILD_BENCH=ON)" >&2
    exit 1
fi
/usr/bin/python3 -c 'import olefile' || { echo "python3-olefile is not installed" >&2; exit 1; }
LC_ALL=C.UTF-8 "$tool" --print "$here"/data/doc/*.doc > "${TMPDIR:-/tmp}/legacy-doc-readers.$$"
trap 'rm -f "${TMPDIR:-/tmp}/legacy-doc-readers.$$"' EXIT
/usr/bin/python3 "$here/doc_olefile_check.py" "${TMPDIR:-/tmp}/legacy-doc-readers.$$"
