#!/usr/bin/env python3
"""Checks the shape of src/: the ports under platform/ include no subsystem, and no two folders
include each other, directly or round a longer loop. Prints what it finds; exit 1 on a fault.

    python3 tests/structure/check_includes.py [SRC_DIR]
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# The Win32 shell sits on top of everything; it is a folder of its own here.
SHELL = "platform/win32"


def folder_of(path):
    """The folder a source path (relative to src/) belongs to."""
    if path.startswith(SHELL + "/"):
        return SHELL
    return path.split("/", 1)[0] if "/" in path else ""


def edges(src):
    found = {}
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            full = os.path.join(root, name)
            rel = os.path.relpath(full, src).replace(os.sep, "/")
            with open(full, encoding="utf-8") as f:
                text = f.read()
            for inc in INCLUDE.findall(text):
                target = inc if os.path.exists(os.path.join(src, inc)) else None
                if target is None:  # a path relative to the including file
                    local = os.path.normpath(os.path.join(os.path.dirname(rel), inc)).replace(os.sep, "/")
                    if os.path.exists(os.path.join(src, local)):
                        target = local
                if target is not None:
                    found.setdefault((rel, target), None)
    return list(found)


def find_loop(graph):
    state = {}
    stack = []

    def visit(n):
        state[n] = 1
        stack.append(n)
        for m in sorted(graph.get(n, ())):
            if state.get(m) == 1:
                return stack[stack.index(m):] + [m]
            if m not in state:
                loop = visit(m)
                if loop:
                    return loop
        stack.pop()
        state[n] = 2
        return None

    for n in sorted(graph):
        if n not in state:
            loop = visit(n)
            if loop:
                return loop
    return None


def main(argv):
    src = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    faults = []
    graph = {}
    for source, target in edges(src):
        a, b = folder_of(source), folder_of(target)
        if a == "platform" and b not in ("platform", ""):
            faults.append(f"port {source} includes {target}: the ports sit below every subsystem")
        if a != b:
            graph.setdefault(a, set()).add(b)
    loop = find_loop(graph)
    if loop:
        faults.append("folders include each other: " + " -> ".join(loop))
    for f in faults:
        print(f"include check: {f}")
    if not faults:
        folders = set(graph) | {b for targets in graph.values() for b in targets}
        print("include check: ports include no subsystem; no loop between "
              + ", ".join(sorted(n for n in folders if n)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
