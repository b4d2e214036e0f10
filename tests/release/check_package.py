#!/usr/bin/env python3
"""Checks the zips scripts/package wrote against the sources: the files in each zip, the text
files readable by Notepad, the architecture of each executable, and its version resource and
manifest carrying the version that project() in CMakeLists.txt sets.
Usage: check_package.py [DIST]   (default: dist). Ends with "N passed, M failed"."""
import io
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
ARCHES = {"win32": 0x14C, "win64": 0x8664}  # PE machine: i386, AMD64
FILES = {"sorelka.exe", "README.txt", "LICENSE.txt"}
BOM = b"\xef\xbb\xbf"


def cmake_version():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    m = re.search(r"project\(\s*sorelka\s+VERSION\s+([0-9]+(?:\.[0-9]+){0,3})", text)
    if not m:
        sys.exit("no version in project() of CMakeLists.txt")
    return m.group(1)


def four_parts(version):
    return (version.split(".") + ["0"] * 4)[:4]


def check_text(data, source):
    if not data.startswith(BOM):
        return "no UTF-8 byte-order mark"
    body = data[len(BOM):]
    if re.search(rb"(?<!\r)\n", body):
        return "a line ends without CR"
    if body.decode("utf-8").replace("\r\n", "\n") != source.read_text(encoding="utf-8"):
        return f"differs from {source.name}"
    return None


def decompile_resources(exe):
    for tool in ("x86_64-w64-mingw32-windres", "i686-w64-mingw32-windres"):
        if shutil.which(tool):
            return subprocess.run([tool, "-i", str(exe), "-O", "rc"], check=True,
                                  capture_output=True, text=True, errors="replace").stdout
    raise RuntimeError("no mingw-w64 windres to read the resources")


def check_exe(data, machine, version):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return "not a PE file"
    if struct.unpack_from("<H", data, pe + 4)[0] != machine:
        return f"machine is not {machine:#x}"
    with tempfile.TemporaryDirectory() as tmp:
        exe = Path(tmp) / "sorelka.exe"
        exe.write_bytes(data)
        rc = decompile_resources(exe)
    parts = four_parts(version)
    numbers = ", ".join(parts)
    text = ".".join(parts)
    expected = [f"FILEVERSION {numbers}", f"PRODUCTVERSION {numbers}",
                f'VALUE "FileVersion", "{text}"', f'VALUE "ProductVersion", "{text}"',
                'VALUE "FileDescription", "Sorelka 2.0 for XP"',
                f'assemblyIdentity name=""Sorelka"" version=""{text}""']
    missing = [e for e in expected if e not in rc]
    return f"resources lack: {'; '.join(missing)}" if missing else None


def check_zip(path, machine, version):
    """Yields (check name, failure or None)."""
    with zipfile.ZipFile(path) as z:
        names = set(z.namelist())
        bad = z.testzip()
        yield "contents", (f"holds {sorted(names)}" if names != FILES else
                           f"{bad} is damaged" if bad else None)
        if names != FILES:
            return
        yield "README.txt", check_text(z.read("README.txt"), ROOT / "README.md")
        yield "LICENSE.txt", check_text(z.read("LICENSE.txt"), ROOT / "LICENSE")
        yield "sorelka.exe", check_exe(z.read("sorelka.exe"), machine, version)


def main():
    dist = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "dist")
    version = cmake_version()
    results = []
    zips = {f"sorelka-{version}-{arch}.zip": machine for arch, machine in ARCHES.items()}
    for name, machine in zips.items():
        path = dist / name
        if not path.is_file():
            results.append((name, "missing"))
            continue
        results += [(f"{name} {check}", why) for check, why in check_zip(path, machine, version)]
    sums = dist / "SHA256SUMS"
    listed = {line.split(maxsplit=1)[1].strip().lstrip("*") for line in
              io.StringIO(sums.read_text()) if line.strip()} if sums.is_file() else set()
    results.append(("SHA256SUMS", None if listed == set(zips) else f"lists {sorted(listed)}"))

    for name, why in results:
        print(f"PASS {name}" if why is None else f"FAIL {name}: {why}")
    failed = sum(why is not None for _, why in results)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
