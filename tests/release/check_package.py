#!/usr/bin/env python3
"""Checks what scripts/package wrote: each zip's files, its text files as Notepad wants them,
the executable's architecture, and the version of project() in CMakeLists.txt in its version
resource and manifest. Usage: check_package.py [DIST]. Ends with "N passed, M failed"."""
import re
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
ARCHES = {"win32": 0x14C, "win64": 0x8664}  # PE machine: i386, AMD64
BOM = b"\xef\xbb\xbf"


def check_text(data, source):
    body = data[len(BOM):]
    if not data.startswith(BOM) or re.search(rb"(?<!\r)\n", body):
        return "no UTF-8 byte-order mark or a line without CRLF"
    same = body.decode("utf-8").replace("\r\n", "\n") == source.read_text(encoding="utf-8")
    return None if same else f"differs from {source.name}"


def check_exe(data, machine, version):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0" or struct.unpack_from("<H", data, pe + 4)[0] != machine:
        return f"not a PE file for machine {machine:#x}"
    with tempfile.NamedTemporaryFile(suffix=".exe") as exe:
        exe.write(data)
        exe.flush()
        rc = subprocess.run(["x86_64-w64-mingw32-windres", "-i", exe.name, "-O", "rc"],
                            check=True, capture_output=True, text=True, errors="replace").stdout
    parts = (version.split(".") + ["0"] * 4)[:4]
    numbers, text = ", ".join(parts), ".".join(parts)
    expected = [f"FILEVERSION {numbers}", f"PRODUCTVERSION {numbers}",
                f'VALUE "FileVersion", "{text}"', f'VALUE "ProductVersion", "{text}"',
                'VALUE "FileDescription", "Sorelka 2.0 for XP"',
                f'assemblyIdentity name=""Sorelka"" version=""{text}""']
    missing = [e for e in expected if e not in rc]
    return f"resources lack: {'; '.join(missing)}" if missing else None


def check_zip(path, machine, version):
    with zipfile.ZipFile(path) as z:
        names = sorted(z.namelist())
        if names != ["LICENSE.txt", "README.txt", "sorelka.exe"] or z.testzip():
            return [("contents", f"holds {names}, or a damaged one")]
        return [("README.txt", check_text(z.read("README.txt"), ROOT / "README.md")),
                ("LICENSE.txt", check_text(z.read("LICENSE.txt"), ROOT / "LICENSE")),
                ("sorelka.exe", check_exe(z.read("sorelka.exe"), machine, version))]


def main():
    dist = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "dist")
    cmake = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    version = re.search(r"project\(\s*sorelka\s+VERSION\s+([0-9.]+)", cmake).group(1)
    zips = {f"sorelka-{version}-{arch}.zip": machine for arch, machine in ARCHES.items()}
    results = []
    for name, machine in zips.items():
        path = dist / name
        results += [(f"{name} {check}", why) for check, why in check_zip(path, machine, version)] \
            if path.is_file() else [(name, "missing")]
    sums = dist / "SHA256SUMS"
    listed = sorted(line.split()[-1].lstrip("*") for line in
                    sums.read_text().splitlines() if line.strip()) if sums.is_file() else []
    results.append(("SHA256SUMS", None if listed == sorted(zips) else f"lists {listed}"))

    for name, why in results:
        print(f"PASS {name}" if why is None else f"FAIL {name}: {why}")
    failed = sum(why is not None for _, why in results)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
