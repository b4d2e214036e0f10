#!/usr/bin/env python3
"""Runs the end-to-end cases against the built programs under Wine on a private Xvfb.

    python3 tests/e2e/e2e.py [--build build/win32] [-k SUBSTRING] [--artifacts DIR]
                             [--screenshot PATH] [--list]

Prints "PASS name" / "FAIL name: reason" / "SKIP name: reason" per case and ends with
"N passed, M failed"; exits 0 only when nothing failed.
"""
import argparse
import glob
import importlib
import os
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

import harness  # noqa: E402


def load_cases():
    for path in sorted(glob.glob(os.path.join(HERE, "cases_*.py"))):
        importlib.import_module(os.path.splitext(os.path.basename(path))[0])


def parse_args(argv):
    p = argparse.ArgumentParser(description=__doc__,
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    # The defaults are the folders scripts/build builds into.
    p.add_argument("--build", default="build/win32",
                   help="folder with sorelka.exe, chatpeer.exe and e2e_driver.exe "
                        "(relative to the repository; default build/win32)")
    p.add_argument("--build64", help="the x86_64 build folder (default: the --build folder "
                                     "with win32 in its name read as win64: build/win64)")
    p.add_argument("-k", dest="select", action="append", default=[],
                   help="run only cases whose name contains this (repeatable)")
    p.add_argument("--artifacts", help="where failing cases leave screenshots and logs "
                                       "(default: <build>/e2e-artifacts/<time>)")
    p.add_argument("--screenshot", help="save a picture of the main window at start here")
    p.add_argument("--list", action="store_true", help="list the cases and exit")
    p.add_argument("--keep-logs", action="store_true",
                   help="keep the logs of passing cases too")
    o = p.parse_args(argv)
    o.build = os.path.abspath(os.path.join(REPO, o.build))
    name = os.path.basename(o.build)
    o.win64_build = os.path.abspath(os.path.join(REPO, o.build64)) if o.build64 else \
        os.path.join(os.path.dirname(o.build), name.replace("win32", "win64") if "win32" in name else "win64")
    if not o.artifacts:
        o.artifacts = os.path.join(o.build, "e2e-artifacts",
                                   time.strftime("%Y%m%d-%H%M%S") + f"-{os.getpid()}")
    o.artifacts = os.path.abspath(o.artifacts)
    return o


def take_start_screenshot(options, environment, path):
    c = harness.Context("screenshot", options, environment,
                        os.path.join(options.artifacts, "screenshot"))
    try:
        c.start_app()
        c.driver("wait-topmost", "5000")
        x, y, w, h = c.dump()["window"]
        ok = environment.screenshot(os.path.abspath(path), crop=(x, y, w, h))
        print(f"screenshot {'saved to' if ok else 'FAILED for'} {path}", flush=True)
    except harness.CaseFailure as e:
        print(f"screenshot not taken: {e}", flush=True)
    finally:
        c.end_all()


def main(argv):
    options = parse_args(argv)
    load_cases()
    chosen = [(n, f) for n, f in harness.CASES
              if not options.select or any(s in n for s in options.select)]
    if options.list:
        for n, _ in chosen:
            print(n)
        return 0

    workdir = harness.make_workdir()
    environment = harness.Environment(workdir, lambda m: print(f"# {m}", flush=True))
    outcomes = []
    try:
        try:
            environment.start()
        except Exception as e:  # without Xvfb or Wine no case can run: that is a failure
            print(f"FAIL environment: {e}", flush=True)
            outcomes.append("FAIL")
            chosen, options.screenshot = [], None
        print(f"# build {options.build}; artifacts {options.artifacts}", flush=True)
        if options.screenshot:
            take_start_screenshot(options, environment, options.screenshot)
        for name, fn in chosen:
            outcomes.append(harness.run_case(name, fn, options, environment,
                                             options.artifacts, sys.stdout))
    finally:
        environment.stop()
        # The prefix is rebuilt each run; nothing in it is worth keeping.
        shutil.rmtree(workdir, ignore_errors=True)
    passed = outcomes.count("PASS")
    failed = outcomes.count("FAIL")
    print(f"{passed} passed, {failed} failed", flush=True)
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
