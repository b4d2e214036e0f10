#!/usr/bin/env python3
"""Checks that the user guide quotes the program: every 「…」 in docs/user-guide.txt is a text
the program shows, found in a string literal under src/ or resources/. The guide's own
convention (stated at its top): 「」 hold only the program's texts, exactly as shown, each on
one line; any other quotation uses 『』, which is not checked.

A text the program assembles while it runs is quoted with n and m for its numbers and listed
in ASSEMBLED; each fixed piece of it must still be in the sources.

    python3 tests/docs/check_quotes.py [GUIDE]

Prints each quote that is not the program's; exit 1 when there is one."""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
# Texts built at run time, quoted with n and m for the numbers: (pattern, its fixed pieces).
ASSEMBLED = [
    (r"送信中 (n|\d+)/(m|\d+) 行（Escで中止）", ["送信中 ", "/", " 行（Escで中止）"]),
    (r"送信を中止しました（(n|\d+)/(m|\d+) 行送信済み）", ["送信を中止しました（", "/", " 行送信済み）"]),
]
# A comment, a character literal, a string literal (its body in group 1), a blank, anything else.
TOKEN = re.compile(r"//[^\n]*|/\*.*?\*/|'(?:\\.|[^'\\\n])*'|(?:u8|u|U|L)?\"((?:\\.|[^\"\\\n])*)\"|(\s+)|.", re.S)
ESCAPE = re.compile(r"\\(u[0-9a-fA-F]{4}|x[0-9a-fA-F]+|.)")
SIMPLE = {"n": "\n", "r": "\r", "t": "\t", "0": "\0"}


def decoded(body):
    def one(m):
        e = m.group(1)
        return chr(int(e[1:], 16)) if e[0] in "ux" and len(e) > 1 else SIMPLE.get(e, e)
    return ESCAPE.sub(one, body)


def literals(text):
    """The string literals of a C, C++ or resource file, decoded; literals next to each other
    (blanks and comments between) joined into one, as the compiler joins them."""
    found, joinable = [], False
    for m in TOKEN.finditer(text):
        token = m.group(0)
        if m.group(1) is not None:
            value = decoded(m.group(1))
            if joinable:
                found[-1] += value
            else:
                found.append(value)
            joinable = True
        elif not (m.group(2) or token.startswith(("//", "/*"))):
            joinable = False
    return found


def program_texts(root):
    texts = []
    for folder in ("src", "resources"):
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in (".h", ".cpp", ".rc", ".in"):
                texts += literals(path.read_text(encoding="utf-8"))
    return texts


def quotes(guide):
    """(line number, quoted text) of every 「…」; a 「 without its 」 on the same line is a fault
    of its own, reported with None."""
    for number, line in enumerate(guide.splitlines(), 1):
        for m in re.finditer(r"「([^「」]*)(」?)", line):
            yield number, m.group(1) if m.group(2) else None


def is_programs(quote, texts):
    if any(quote in t for t in texts):
        return True
    return any(re.fullmatch(pattern, quote) and all(any(p in t for t in texts) for p in pieces)
               for pattern, pieces in ASSEMBLED)


def main():
    guide_path = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "docs/user-guide.txt"
    texts = program_texts(ROOT)
    faults = 0
    for number, quote in quotes(guide_path.read_text(encoding="utf-8")):
        if quote is None:
            print(f"{guide_path.name}:{number}: 「 without 」 on the same line")
        elif not quote or not is_programs(quote, texts):
            print(f"{guide_path.name}:{number}: 「{quote}」 is not a text of the program")
        else:
            continue
        faults += 1
    print(f"quotes of the program in {guide_path.name}: {'all found' if not faults else f'{faults} not found'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
