#!/usr/bin/env python3
"""Checks what scripts/package wrote: each zip's files in their order, times and modes, its text
files as Notepad wants them (the user guide with the version and the home page the program
opens), the executable's architecture and OS and subsystem versions, and the version of
project() in CMakeLists.txt in its version resource, its manifest and the changelog's newest
section. Usage: check_package.py [DIST]. Ends with "N passed, M failed"."""
import re
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
# PE machine (i386, AMD64) and the OS and subsystem version each build declares: 5.0 lets
# Windows 2000 load the 32-bit file; 5.2 is the first 64-bit Windows.
ARCHES = {"win32": (0x14C, (5, 0)), "win64": (0x8664, (5, 2))}
BOM = b"\xef\xbb\xbf"
ENTRIES = ["sorelka.exe", "README.txt", "LICENSE.txt", "CHANGELOG.txt"]


def check_text(data, expected, name):
    body = data[len(BOM):]
    if not data.startswith(BOM) or re.search(rb"(?<!\r)\n", body):
        return "no UTF-8 byte-order mark or a line without CRLF"
    return None if body.decode("utf-8").replace("\r\n", "\n") == expected else f"differs from {name}"


def check_guide(data, exe, version):
    """The user guide with its placeholders filled: the version, and the home page that the
    program itself opens (an ASCII string in its data)."""
    template = (ROOT / "docs/user-guide.txt").read_text(encoding="utf-8")
    urls = {m.decode() for m in re.findall(rb"https?://[!-~]+?(?=\0)", exe)}
    whys = [check_text(data, template.replace("@VERSION@", version).replace("@SORELKA_HOME_URL@", u),
                       "docs/user-guide.txt with the program's home page") for u in sorted(urls)]
    return None if None in whys else (whys[0] if whys else "no home page address in the program")


def check_changelog(version):
    newest = re.search(r"^## \[?([0-9][0-9.]*)\]?", (ROOT / "CHANGELOG.md").read_text(encoding="utf-8"), re.M)
    found = newest.group(1) if newest else None
    return None if found == version else f"newest section is {found}, the build is {version}"


def check_exe(data, machine, os_version, version):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0" or struct.unpack_from("<H", data, pe + 4)[0] != machine:
        return f"not a PE file for machine {machine:#x}"
    optional = pe + 24  # OS version at +40, subsystem version at +48, the same in PE32 and PE32+
    declared = (struct.unpack_from("<HH", data, optional + 40), struct.unpack_from("<HH", data, optional + 48))
    if declared != (os_version, os_version):
        return f"OS and subsystem versions {declared}, not {os_version}"
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


def check_entries(z):
    """One fixed order, one time from 1980 on, fixed Unix modes: what makes the zip's bytes
    depend on the contents alone."""
    infos = z.infolist()
    if len({i.date_time for i in infos}) != 1 or infos[0].date_time < (1980, 1, 1, 0, 0, 0):
        return f"entry times {sorted({i.date_time for i in infos})}"
    modes = [(i.filename, i.external_attr >> 16) for i in infos]
    expected = [(n, 0o100755 if n.endswith(".exe") else 0o100644) for n in ENTRIES]
    return None if modes == expected else f"entry modes {[(n, oct(m)) for n, m in modes]}"


def check_zip(path, machine, os_version, version):
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        if names != ENTRIES or z.testzip():
            return [("contents", f"holds {names}, or a damaged one")]
        exe = z.read("sorelka.exe")
        source = lambda name: (ROOT / name).read_text(encoding="utf-8")
        return [("entries", check_entries(z)),
                ("README.txt", check_guide(z.read("README.txt"), exe, version)),
                ("LICENSE.txt", check_text(z.read("LICENSE.txt"), source("LICENSE"), "LICENSE")),
                ("CHANGELOG.txt", check_text(z.read("CHANGELOG.txt"), source("CHANGELOG.md"), "CHANGELOG.md")),
                ("sorelka.exe", check_exe(exe, machine, os_version, version))]


def main():
    dist = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "dist")
    cmake = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    version = re.search(r"project\(\s*sorelka\s+VERSION\s+([0-9.]+)", cmake).group(1)
    zips = {f"sorelka-{version}-{arch}.zip": pe for arch, pe in ARCHES.items()}
    results = [("CHANGELOG.md newest version", check_changelog(version))]
    for name, (machine, os_version) in zips.items():
        path = dist / name
        results += [(f"{name} {check}", why) for check, why in check_zip(path, machine, os_version, version)] \
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
