#!/usr/bin/env python3
"""Checks the layers of src/ and of the programs built beside it. Bottom to top:

    platform/                      the ports (portable headers)
    discovery/ send/ translucency/ dialogs/
                                   the subsystems: each may include another, never round a loop
    app/                           the router and the tables
    shell/                         the Win32 shell, on top

    win32/                         Win32 helpers, below the shell; also used by tools/chatpeer
                                   and bench/, which may include nothing else of src/ but what
                                   their build compiles (bench/ may include shell/ headers)

A folder includes only folders below it (or itself). Inside src/, no two files (a header and
its source counted as one) include each other round a loop either. Two shapes are checked with
them: every port (a class with pure virtual functions) lives in src/platform/, and the shell
names a control by its window's id, never by a string (`Control("...")`). Prints what it finds;
exit 1 on a fault.

    python3 tests/structure/check_includes.py [ROOT]
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

SUBSYSTEMS = {"discovery", "send", "translucency", "dialogs"}
# What each folder may include besides itself.
ALLOWED = {
    "platform": set(),
    **{s: {"platform"} | (SUBSYSTEMS - {s}) for s in SUBSYSTEMS},
    "app": {"platform"} | SUBSYSTEMS,
    "win32": set(),
    "shell": {"platform", "app", "win32"} | SUBSYSTEMS,
    # Outside src/: the stand-in chat windows share the helpers only; the benches also drive
    # the portable core and the shell files their build names.
    "tools/chatpeer": {"win32"},
    "bench": {"platform", "app", "win32", "shell"} | SUBSYSTEMS,
}


def folder_of(rel):
    """The layer a path relative to the root belongs to, or None outside the checked tree."""
    parts = rel.split("/")
    if parts[0] == "src" and len(parts) > 2:
        return parts[1]
    if rel.startswith("tools/chatpeer/"):
        return "tools/chatpeer"
    if parts[0] == "bench":
        return "bench"
    return None


def sources(root, tops):
    """Each C++ source below the given folders: its path from the root, and its text."""
    for top in tops:
        for dirpath, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    full = os.path.join(dirpath, name)
                    with open(full, encoding="utf-8") as f:
                        yield os.path.relpath(full, root).replace(os.sep, "/"), f.read()


def edges(root):
    found = {}
    for rel, text in sources(root, ("src", "tools/chatpeer", "bench")):
        for inc in INCLUDE.findall(text):
            target = None
            if os.path.exists(os.path.join(root, "src", inc)):
                target = "src/" + inc
            else:  # a path relative to the including file
                local = os.path.normpath(os.path.join(os.path.dirname(rel), inc)).replace(os.sep, "/")
                if os.path.exists(os.path.join(root, local)):
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


PURE_VIRTUAL = re.compile(r'\bvirtual\b[^;{}]*\)\s*(?:const\s*)?(?:noexcept\s*)?=\s*0\s*;')
NAMED_CONTROL = re.compile(r'\bControl\s*\(\s*"')


def shape_faults(root):
    """Ports outside src/platform/, and controls looked up by a string name in src/shell/."""
    faults = []
    for rel, text in sources(root, ("src",)):
        line = lambda m: text.count("\n", 0, m.start()) + 1
        if folder_of(rel) != "platform":
            for m in PURE_VIRTUAL.finditer(text):
                faults.append(f"{rel}:{line(m)}: a port (pure virtual function) outside src/platform/")
        if folder_of(rel) == "shell":
            for m in NAMED_CONTROL.finditer(text):
                faults.append(f"{rel}:{line(m)}: a control looked up by a string name, not its id")
    return faults


def check(root):
    faults = shape_faults(root)
    graph = {}
    files = {}  # src/x/name (the .h and .cpp together) -> what it includes of src/
    for source, target in edges(root):
        if source.startswith("src/") and target.startswith("src/"):
            a, b = os.path.splitext(source)[0], os.path.splitext(target)[0]
            if a != b:
                files.setdefault(a, set()).add(b)
        a, b = folder_of(source), folder_of(target)
        if a is None or b is None or a == b:
            continue
        if a not in ALLOWED:
            faults.append(f"{source}: folder {a} has no place in the layers")
            continue
        if b not in ALLOWED[a]:
            faults.append(f"{source} includes {target}: {a} may include only "
                          + (", ".join(sorted(ALLOWED[a])) or "itself"))
        graph.setdefault(a, set()).add(b)
    loop = find_loop(graph)
    if loop:
        faults.append("folders include each other: " + " -> ".join(loop))
    loop = find_loop(files)
    if loop:
        faults.append("files include each other: " + " -> ".join(loop))
    return faults, graph


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    faults, graph = check(root)
    for f in faults:
        print(f"include check: {f}")
    if not faults:
        print("include check: every include points down the layers; no loop between "
              + ", ".join(sorted(graph)) + "; every port in platform/; no control named by a string")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
