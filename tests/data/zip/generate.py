#!/usr/bin/env python3
"""Writes the ZIP reader fixtures of this folder.

Well-formed archives come from independent writers (Python's zipfile and Info-ZIP's zip command);
each broken one is a well-formed archive with one fault patched in at byte level, named after it.
Run from anywhere: python3 generate.py (needs the zip command).
"""
import io
import os
import struct
import subprocess
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))

DOCUMENT = b'<?xml version="1.0"?><w:document><w:body><w:p/></w:body></w:document>\n' * 20
NOTE = "Grüße aus dem Archiv — 文档说明\n".encode("utf-8")
FIXED_TIME = (2020, 1, 2, 3, 4, 6)


def info(name, method=zipfile.ZIP_DEFLATED):
    entry = zipfile.ZipInfo(name, FIXED_TIME)
    entry.compress_type = method
    entry.external_attr = 0o644 << 16
    return entry


def python_archive(method=zipfile.ZIP_DEFLATED, comment=b"", seekable=True, force_zip64=False):
    buffer = io.BytesIO()
    target = buffer if seekable else NonSeekable(buffer)
    with zipfile.ZipFile(target, "w") as archive:
        archive.comment = comment
        with archive.open(info("word/document.xml", method), "w", force_zip64=force_zip64) as out:
            out.write(DOCUMENT)
        archive.writestr(info("文档/说明.txt", method), NOTE)
        archive.writestr(info("empty.txt", method), b"")
    return buffer.getvalue()


class NonSeekable(io.RawIOBase):
    """A write-only stream without seek(), which makes zipfile use data descriptors."""

    def __init__(self, sink):
        self.sink = sink

    def writable(self):
        return True

    def write(self, data):
        self.sink.write(data)
        return len(data)

    def tell(self):
        raise OSError("not seekable")

    def seekable(self):
        return False


def zip_command(extra_args, streamed=False):
    with tempfile.TemporaryDirectory() as work:
        os.makedirs(os.path.join(work, "word"))
        os.makedirs(os.path.join(work, "文档"))
        with open(os.path.join(work, "word", "document.xml"), "wb") as f:
            f.write(DOCUMENT)
        with open(os.path.join(work, "文档", "说明.txt"), "wb") as f:
            f.write(NOTE)
        for path in ("word/document.xml", "文档/说明.txt", "word", "文档"):
            os.utime(os.path.join(work, path), (1577934246, 1577934246))
        names = ["word/document.xml", "文档/说明.txt"]
        env = dict(os.environ, LC_ALL="C.UTF-8", TZ="UTC")
        if streamed:
            # Written to a pipe, so zip cannot seek back and uses data descriptors.
            result = subprocess.run(["zip", "-q", "-fz-"] + extra_args + ["-"] + names, cwd=work, env=env,
                                    stdout=subprocess.PIPE, check=True)
            return result.stdout
        subprocess.run(["zip", "-q"] + extra_args + ["out.zip"] + names, cwd=work, env=env, check=True)
        with open(os.path.join(work, "out.zip"), "rb") as f:
            return f.read()


def end_record(data):
    pos = data.rfind(b"PK\x05\x06")
    assert pos >= 0
    return pos


def central_header(data, name):
    pos = data.index(b"PK\x01\x02", struct.unpack_from("<I", data, end_record(data) + 16)[0])
    while True:
        length = struct.unpack_from("<H", data, pos + 28)[0]
        if data[pos + 46:pos + 46 + length] == name.encode("utf-8"):
            return pos
        extra, comment = struct.unpack_from("<HH", data, pos + 30)
        pos += 46 + length + extra + comment


def patch(data, offset, fmt, value):
    data = bytearray(data)
    struct.pack_into(fmt, data, offset, value)
    return bytes(data)


def patch_entry(data, field_offset, fmt, value, name="word/document.xml"):
    return patch(data, central_header(data, name) + field_offset, fmt, value)


def local_header(data, name="word/document.xml"):
    return struct.unpack_from("<I", data, central_header(data, name) + 42)[0]


def main():
    deflated = python_archive()
    stored = python_archive(zipfile.ZIP_STORED)
    files = {
        "python-deflated.zip": deflated,
        "python-stored.zip": stored,
        "python-data-descriptor.zip": python_archive(seekable=False),
        "python-bzip2.zip": python_archive(zipfile.ZIP_BZIP2),
        "python-force-zip64.zip": python_archive(force_zip64=True),
        "zip-command.zip": zip_command([]),
        "zip-command-streamed.zip": zip_command([], streamed=True),
        "zip-command-encrypted.zip": zip_command(["-P", "secret"]),
        # The real end record repeated in the comment: the later copy is the one used.
        "comment-with-end-record-copy.zip": python_archive(comment=b"note " + deflated[end_record(deflated):]),
        # A record with no entries in the comment hides the real directory.
        "comment-with-empty-end-record.zip": python_archive(comment=b"PK\x05\x06" + bytes(18)),
        "too-small.zip": deflated[-21:],
        "empty-end-record-only.zip": b"PK\x05\x06" + bytes(18),
        "no-end-record.zip": deflated[:end_record(deflated)],
        "directory-offset-beyond-file.zip": patch(deflated, end_record(deflated) + 16, "<I", len(deflated) + 10),
        "directory-bad-signature.zip": patch(deflated, central_header(deflated, "word/document.xml"), "<I",
                                             0x02014b51),
        "directory-name-past-end.zip": patch(deflated, central_header(deflated, "empty.txt") + 28, "<H", 60000),
        "directory-count-too-high.zip": patch(deflated, end_record(deflated) + 10, "<H", 4),
        "encrypted-flag-bad-local-offset.zip": patch_entry(patch_entry(deflated, 8, "<H", 1), 42, "<I", 0xFFFFFF00),
        "local-header-bad-signature.zip": patch(deflated, local_header(deflated), "<I", 0x04034b00),
        "local-lengths-past-end.zip": patch_entry(
            python_archive(comment=b"PK\x03\x04"), 42, "<I", len(python_archive(comment=b"PK\x03\x04")) - 4),
        "compressed-size-past-end.zip": patch_entry(deflated, 20, "<I", len(deflated)),
        "stored-bad-crc.zip": patch_entry(stored, 16, "<I", 0x12345678),
        "deflated-bad-crc.zip": patch_entry(deflated, 16, "<I", 0x12345678),
        "stored-size-mismatch.zip": patch_entry(stored, 24, "<I", len(DOCUMENT) + 1),
        "deflated-truncated-stream.zip": patch_entry(deflated, 20, "<I", 10),
        "deflated-declares-more.zip": patch_entry(deflated, 24, "<I", len(DOCUMENT) + 1),
        "deflated-declares-less.zip": patch_entry(deflated, 24, "<I", len(DOCUMENT) - 1),
        "deflated-impossible-ratio.zip": patch_entry(deflated, 24, "<I", 2_000_000_000),
        "deflated-zip64-markers.zip": patch_entry(patch_entry(deflated, 20, "<I", 0xFFFFFFFF), 24, "<I", 0xFFFFFFFF),
        "deflated-size-beyond-int.zip": patch_entry(deflated, 24, "<I", 0xFFFFFFFF),
        "unknown-method-99.zip": patch_entry(deflated, 10, "<H", 99),
    }
    with zipfile.ZipFile(io.BytesIO(files["python-data-descriptor.zip"])) as check:
        assert check.getinfo("word/document.xml").flag_bits & 0x08
    with zipfile.ZipFile(io.BytesIO(files["zip-command-streamed.zip"])) as check:
        assert check.getinfo("word/document.xml").flag_bits & 0x08
    assert files["zip-command-encrypted.zip"][6] & 0x01
    duplicate = io.BytesIO()
    with zipfile.ZipFile(duplicate, "w") as archive:
        archive.writestr(info("word/document.xml"), b"first")
        archive.writestr(info("word/document.xml"), b"second")
    files["duplicate-names.zip"] = duplicate.getvalue()

    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    import warnings

    warnings.simplefilter("ignore")
    main()
