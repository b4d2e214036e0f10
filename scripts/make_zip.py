#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files' contents: the entries in the order given,
each stamped with one time (UTC, from SOURCE_DATE_EPOCH, never before 1980, the first time a zip
can hold) and a fixed mode (0755 for .exe, 0644 otherwise), deflated at a fixed level.
Usage: make_zip.py OUT.zip FILE...   (each file is stored under its own name, without folders)"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def entry_time():
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH))
    return time.gmtime(max(epoch, ZIP_EPOCH))[:6]


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    out, files = argv[1], argv[2:]
    stamp = entry_time()
    with zipfile.ZipFile(out + ".part", "w") as z:
        for path in files:
            info = zipfile.ZipInfo(os.path.basename(path), date_time=stamp)
            info.create_system = 3  # Unix, so that the mode below is what unzip applies
            mode = 0o755 if path.lower().endswith(".exe") else 0o644
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)
    os.replace(out + ".part", out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
