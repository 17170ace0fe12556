"""Checks the output of `bench_legacy_doc --print` (path, pages, paper size per line) against
olefile's reading of the same files and against the page setups the fixtures were made with."""
import os
import struct
import sys

import olefile

LANDSCAPE = ' 横向'
# Page setup written by make_fixtures.sh: (width mm, height mm) of the first section, and its label.
FIXTURES = {
    'a4-portrait-3-pages.doc': ((210, 297), 'A4'),
    'letter-portrait-2-pages.doc': ((215.9, 279.4), 'Letter'),
    'a3-landscape-1-page.doc': ((420, 297), 'A3' + LANDSCAPE),
    'b5-portrait-2-pages.doc': ((176, 250), 'B5'),
    'a5-landscape-4-pages.doc': ((210, 148), 'A5' + LANDSCAPE),
    'sections-a4-2-then-letter-landscape-1.doc': ((210, 297), 'A4'),
}


def olefile_page_count(ole):
    """Property 14 as olefile reads it, kept only for the 32-bit integer variant types."""
    if not ole.exists('\x05SummaryInformation'):
        return 0
    value = ole.getproperties('\x05SummaryInformation').get(14)
    if value is None:
        return 0
    data = ole.openstream('\x05SummaryInformation').read()
    set_offset = struct.unpack_from('<I', data, 44)[0]
    count = struct.unpack_from('<I', data, set_offset + 4)[0]
    for i in range(count):
        pid, offset = struct.unpack_from('<II', data, set_offset + 8 + 8 * i)
        if pid == 14:
            vtype = struct.unpack_from('<H', data, set_offset + offset)[0]
            return max(value, 0) if vtype in (3, 19) else 0
    return 0


def first_section_twips(ole):
    word = ole.openstream('WordDocument').read()
    flags = struct.unpack_from('<H', word, 10)[0]
    table = ole.openstream('1Table' if flags & 0x200 else '0Table').read()
    csw = struct.unpack_from('<H', word, 32)[0]
    cslw = struct.unpack_from('<H', word, 34 + 2 * csw)[0]
    base = 36 + 2 * csw + 4 * cslw
    fc, lcb = struct.unpack_from('<II', word, base + 50)
    sections = (lcb - 4) // 16
    fc_sepx = struct.unpack_from('<I', table, fc + 4 * (sections + 1) + 2)[0]
    cb = struct.unpack_from('<H', word, fc_sepx)[0]
    sprms = word[fc_sepx + 2:fc_sepx + 2 + cb]
    width = height = 0
    p = 0
    while p + 2 <= len(sprms):
        code = struct.unpack_from('<H', sprms, p)[0]
        spra = code >> 13
        size = 1 + sprms[p + 2] if spra == 6 else {0: 1, 1: 1, 2: 2, 3: 4, 4: 2, 5: 2, 7: 3}[spra]
        if code == 0xB01F:
            width = struct.unpack_from('<H', sprms, p + 2)[0]
        elif code == 0xB020:
            height = struct.unpack_from('<H', sprms, p + 2)[0]
        p += 2 + size
    return width, height


def main():
    failures = 0
    seen = set()
    with open(sys.argv[1], encoding='utf-8') as out:
        for line in out:
            path, pages, size = line.rstrip('\n').split('\t')
            name = os.path.basename(path)
            seen.add(name)
            ole = olefile.OleFileIO(path)
            expected_pages = olefile_page_count(ole)
            (width_mm, height_mm), expected_size = FIXTURES[name]
            width, height = first_section_twips(ole)
            problems = []
            if int(pages) != expected_pages:
                problems.append('pages %s, olefile %d' % (pages, expected_pages))
            if size != expected_size:
                problems.append('size %r, expected %r' % (size, expected_size))
            if abs(width / 1440 * 25.4 - width_mm) > 1 or abs(height / 1440 * 25.4 - height_mm) > 1:
                problems.append('fixture page %dx%d twips is not %sx%s mm' % (width, height, width_mm, height_mm))
            print('%-45s pages %-3s size %-10s %s' % (name, pages, size, '; '.join(problems) or 'ok'))
            failures += bool(problems)
    missing = set(FIXTURES) - seen
    if missing:
        print('not checked:', ', '.join(sorted(missing)))
        failures += 1
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
