#!/usr/bin/env python3
# Writes the ZIP reader fixtures of this folder with independent writers: Python's zipfile and
# Info-ZIP's zip command. The reader test patches single faults into them itself.
# Run from anywhere: python3 generate.py (needs the zip command).
import io, os, subprocess, tempfile, warnings, zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
DOCUMENT = b'<?xml version="1.0"?><w:document><w:body><w:p/></w:body></w:document>\n' * 20
ENTRIES = [("word/document.xml", DOCUMENT), ("文档/说明.txt", "Grüße aus dem Archiv — 文档说明\n".encode()), ("empty.txt", b"")]


class NonSeekable(io.RawIOBase):  # makes zipfile use data descriptors
    def __init__(self, sink):
        self.sink = sink

    def writable(self):
        return True

    def write(self, data):
        return self.sink.write(data)


def python_archive(method=zipfile.ZIP_DEFLATED, seekable=True, force_zip64=False, entries=ENTRIES):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer if seekable else NonSeekable(buffer), "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, (2020, 1, 2, 3, 4, 6))
            info.compress_type, info.external_attr = method, 0o644 << 16
            with archive.open(info, "w", force_zip64=force_zip64 and name == "word/document.xml") as out:
                out.write(data)
    return buffer.getvalue()


def zip_command(args):  # with "-" for the archive, zip writes to a pipe and uses data descriptors
    with tempfile.TemporaryDirectory() as work:
        for name, data in ENTRIES[:2]:
            os.makedirs(os.path.join(work, os.path.dirname(name)))
            with open(os.path.join(work, name), "wb") as f:
                f.write(data)
        for path in ("word/document.xml", "文档/说明.txt", "word", "文档"):
            os.utime(os.path.join(work, path), (1577934246, 1577934246))
        env = dict(os.environ, LC_ALL="C.UTF-8", TZ="UTC")
        return subprocess.run(["zip", "-q"] + args + ["word/document.xml", "文档/说明.txt"], cwd=work, env=env,
                              stdout=subprocess.PIPE, check=True).stdout or open(f"{work}/out.zip", "rb").read()


warnings.simplefilter("ignore")  # zipfile warns about the duplicate name
files = {"python-deflated.zip": python_archive(), "python-stored.zip": python_archive(zipfile.ZIP_STORED),
         "python-data-descriptor.zip": python_archive(seekable=False), "python-bzip2.zip": python_archive(zipfile.ZIP_BZIP2),
         "python-force-zip64.zip": python_archive(force_zip64=True),
         "duplicate-names.zip": python_archive(entries=[("word/document.xml", b"first"), ("word/document.xml", b"second")]),
         "zip-command.zip": zip_command(["out.zip"]), "zip-command-streamed.zip": zip_command(["-fz-", "-"]),
         "zip-command-encrypted.zip": zip_command(["-P", "secret", "out.zip"])}
for name in ("python-data-descriptor.zip", "zip-command-streamed.zip"):
    assert zipfile.ZipFile(io.BytesIO(files[name])).getinfo("word/document.xml").flag_bits & 0x08
assert files["zip-command-encrypted.zip"][6] & 0x01
for name, data in files.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
