"""The end-to-end harness: one Xvfb display and one fresh Wine prefix per run, shared by
the cases; each case starts the programs it needs and ends only those.

Cases live in cases_*.py next to this file and register themselves with @case.
"""
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time
import traceback

# --- the case registry -------------------------------------------------------------------

CASES = []  # (name, function), in registration order


def case(name):
    """Registers a case: a function taking the case context `c`."""
    def register(fn):
        if any(n == name for n, _ in CASES):
            raise ValueError(f"two cases named {name}")
        CASES.append((name, fn))
        return fn
    return register


class CaseFailure(Exception):
    pass


class CaseSkipped(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def fail(message):
    raise CaseFailure(message)


def skip(message):
    raise CaseSkipped(message)


# --- the run environment -----------------------------------------------------------------

POLL_S = 0.02

# Proportional faces stand in for the proportional Windows ones, fixed-pitch for fixed-pitch.
FONT_REPLACEMENTS = [
    ("MS UI Gothic", "IPAPGothic"),
    ("ＭＳ Ｐゴシック", "IPAPGothic"),
    ("MS PGothic", "IPAPGothic"),
    ("ＭＳ ゴシック", "IPAGothic"),
    ("MS Gothic", "IPAGothic"),
]


def wait_until(probe, timeout_s, what):
    """Polls `probe` until it returns something true; fails naming `what` and the last value
    seen. Returns the true value."""
    deadline = time.monotonic() + timeout_s
    seen = None
    while True:
        seen = probe()
        if seen:
            return seen
        if time.monotonic() >= deadline:
            raise CaseFailure(f"{what}: not within {timeout_s:g} s (last seen: {seen!r})")
        time.sleep(POLL_S)


def run_captured(argv, env, timeout):
    """subprocess.run with the output in files, not pipes: the first Wine program of a server
    starts helpers that live on holding its output handles, so a pipe never ends."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        p = subprocess.Popen(argv, env=env, stdout=out, stderr=err, stdin=subprocess.DEVNULL)
        try:
            rc = p.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()
            raise
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(argv, rc, out.read(), err.read())


def _lock_pid(n):
    try:
        with open(f"/tmp/.X{n}-lock") as f:
            return int(f.read().strip())
    except (OSError, ValueError):
        return None


def _free_display(start=90):
    for n in range(start, start + 200):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return n
    raise RuntimeError("no free X display number")


class Environment:
    """Xvfb and a Wine prefix of our own, for the whole run."""

    def __init__(self, workdir, log):
        self.workdir = workdir
        self.log = log
        self.xvfb = None
        self.display = None
        self.prefix = os.path.join(workdir, "prefix")
        self.env = None

    def start(self):
        self._start_xvfb()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": f":{self.display}",
            "WINEPREFIX": self.prefix,
            "WINEDEBUG": "-all",
            "LANG": "ja_JP.UTF-8",
            "LC_ALL": "ja_JP.UTF-8",
            # No Mono or Gecko installer dialogs while the prefix is made.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
        })
        self.env.pop("WINEARCH", None)
        t0 = time.monotonic()
        self.run(["wineboot", "-i"], timeout=180)
        # Without a window manager Wine waits ~2 s for one whenever a window hides; unmanaged
        # windows close at once.
        self.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                  "/d", "N", "/f"], timeout=60)
        # A fault ends a program at once, without Wine's crash dialog waiting for a click.
        self.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                  "/t", "REG_DWORD", "/d", "0", "/f"], timeout=60)
        # The Japanese Windows fonts the program asks for are not here; without these
        # replacements Wine falls back to a wider monospaced face and captions get clipped.
        for face, replacement in FONT_REPLACEMENTS:
            self.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements",
                      "/v", face, "/d", replacement, "/f"], timeout=60)
        # A persistent server keeps each program start short.
        subprocess.Popen(["wineserver", "-p"], env=self.env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL).wait(timeout=30)
        self.log(f"display :{self.display}, prefix ready in {time.monotonic() - t0:.1f} s")

    def _start_xvfb(self):
        first = int(os.environ.get("SORELKA_DISPLAY") or 90)  # a number of one's own, if set
        for attempt in range(5):
            n = _free_display(first + attempt)
            proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten",
                                     "tcp", "-dpi", "96"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline:
                if proc.poll() is not None:
                    break  # lost a race for the number: try another
                # Ours only when the lock names our server: another run may race for n.
                if os.path.exists(f"/tmp/.X11-unix/X{n}") and _lock_pid(n) == proc.pid:
                    self.xvfb, self.display = proc, n
                    return
                time.sleep(POLL_S)
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        raise RuntimeError("Xvfb did not start")

    def run(self, argv, timeout=60, check_rc=True):
        r = run_captured(argv, self.env, timeout)
        if check_rc and r.returncode != 0:
            raise RuntimeError(f"{argv[0]} failed ({r.returncode}): "
                               f"{r.stderr.decode(errors='replace')[-2000:]}")
        return r

    def stop(self):
        if self.env:
            try:
                subprocess.run(["wineserver", "-k"], env=self.env, timeout=30,
                               capture_output=True)
            except subprocess.TimeoutExpired:
                pass
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()

    def screenshot(self, path, crop=None):
        """The whole screen, or `crop` = (x, y, w, h) of it."""
        argv = ["import", "-display", f":{self.display}", "-window", "root"]
        if crop:
            x, y, w, h = crop
            argv += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
        r = subprocess.run(argv + [path], capture_output=True, timeout=60)
        return r.returncode == 0


# --- what a case works with --------------------------------------------------------------

class Process:
    def __init__(self, name, popen, log_path):
        self.name = name
        self.popen = popen
        self.pid = popen.pid
        self.log_path = log_path

    def running(self):
        return self.popen.poll() is None

    def wait_exit(self, timeout_s, what=None):
        """Fails unless the process ends within the deadline; returns its exit code."""
        try:
            return self.popen.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            raise CaseFailure(f"{what or self.name}: process {self.pid} still running after "
                              f"{timeout_s:g} s")

    def kill(self):
        if self.running():
            self.popen.send_signal(signal.SIGKILL)
            try:
                self.popen.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass


class ChatPeer:
    """A chatpeer.exe run and its JSON-lines log: the windows it made and what they received."""

    def __init__(self, process, log_path):
        self.process = process
        self.log_path = log_path

    def events(self):
        try:
            with open(self.log_path, encoding="utf-8") as f:
                lines = f.read().splitlines()
        except FileNotFoundError:
            return []
        out = []
        for line in lines:
            try:
                out.append(json.loads(line))
            except ValueError:
                pass  # a line still being written
        return out

    def hwnd(self, role, index=0):
        """The window of `role` from its "ready" line, as a number for the driver."""
        for e in self.events():
            if e.get("role") == role and e.get("msg") == "ready" and e.get("index") == index:
                return int(e["hwnd"], 16)
        raise CaseFailure(f"chatpeer logged no ready line for {role} {index}")

    def select(self, role=None, msg=None):
        return [e for e in self.events()
                if (role is None or e.get("role") == role) and (msg is None or e.get("msg") == msg)]

    def wait_count(self, count, timeout_s, what, role=None, msg=None):
        """Waits until at least `count` events of `role`/`msg` are logged; returns them all."""
        found = []

        def enough():
            found[:] = self.select(role, msg)
            return len(found) >= count
        try:
            wait_until(enough, timeout_s, what)
        except CaseFailure:
            raise CaseFailure(f"{what}: {len(found)} of {count} {role or ''} {msg or ''} events "
                              f"within {timeout_s:g} s (log: {self.log_path})")
        return found


class Context:
    """Passed to each case: starts programs, talks to the driver, records what happened."""

    def __init__(self, name, options, environment, casedir):
        self.name = name
        self.options = options
        self.envr = environment
        self.casedir = casedir
        self.processes = []
        self.transcript = []
        self.app = None
        self.driver_exe = None

    # paths
    def build_path(self, exe, build=None):
        return os.path.join(build or self.options.build, exe)

    def note(self, text):
        self.transcript.append(text)

    # programs
    def start(self, exe, args=(), build=None, name=None):
        path = self.build_path(exe, build)
        if not os.path.exists(path):
            fail(f"{path} does not exist")
        name = name or os.path.splitext(exe)[0]
        os.makedirs(self.casedir, exist_ok=True)
        log_path = os.path.join(self.casedir, f"{name}-{len(self.processes)}.log")
        log = open(log_path, "wb")
        popen = subprocess.Popen(["wine", path, *args], env=self.envr.env,
                                 cwd=os.path.dirname(path), stdout=log, stderr=log,
                                 stdin=subprocess.DEVNULL)
        log.close()
        p = Process(name, popen, log_path)
        self.processes.append(p)
        self.note(f"started {exe} {' '.join(args)} as pid {p.pid}")
        return p

    def start_peer(self, *args, timeout_s=15):
        """Starts chatpeer.exe with a log of its own and waits until all its windows exist."""
        os.makedirs(self.casedir, exist_ok=True)
        log_path = os.path.join(self.casedir, f"chatpeer-{len(self.processes)}.jsonl")
        if os.path.exists(log_path):
            os.remove(log_path)  # chatpeer appends; an old run's windows would mislead
        p = self.start("chatpeer.exe", [*args, "--log", log_path])
        peer = ChatPeer(p, log_path)

        def ready():
            if not p.running():
                fail(f"chatpeer.exe {' '.join(args)} ended (exit code {p.popen.returncode}); "
                     f"log {log_path}")
            return any(e.get("msg") == "all-ready" for e in peer.events())
        wait_until(ready, timeout_s, f"chatpeer {' '.join(args)} ready")
        return peer

    def start_app(self, build=None, timeout_s=15):
        """Starts the assistant fresh and waits for its main window."""
        self.driver_exe = self.build_path("e2e_driver.exe", build)
        if not os.path.exists(self.driver_exe):
            self.driver_exe = self.build_path("e2e_driver.exe")
        self.app = self.start("sorelka.exe", build=build)
        found = self.driver("find", str(int(timeout_s * 1000)), expect_ok=False,
                            timeout_s=timeout_s + 30)
        if not found.get("ok"):
            if not self.app.running():
                fail(f"sorelka.exe ended at start (exit code {self.app.popen.returncode})")
            fail(f"the main window did not appear within {timeout_s:g} s")
        self.app.hwnd = found["hwnd"]
        return self.app

    def end_all(self):
        for p in reversed(self.processes):
            p.kill()

    # the driver
    def driver(self, *args, expect_ok=True, timeout_s=60):
        """Runs e2e_driver.exe and returns its JSON answer; fails on ok=false unless told."""
        exe = self.driver_exe or self.build_path("e2e_driver.exe")
        try:
            r = run_captured(["wine", exe, *args], self.envr.env, timeout_s)
        except subprocess.TimeoutExpired:
            fail(f"driver {' '.join(args)}: no answer within {timeout_s} s")
        out = r.stdout.decode("utf-8", errors="replace").strip()
        self.note(f"driver {' '.join(args)} -> rc {r.returncode}: {out[:4000]}")
        if not out:
            fail(f"driver {' '.join(args)}: no output (rc {r.returncode}, stderr "
                 f"{r.stderr.decode(errors='replace')[-500:]!r})")
        answer = json.loads(out.splitlines()[-1])
        if expect_ok and not answer.get("ok"):
            fail(f"driver {' '.join(args)}: {answer}")
        return answer

    def dump(self):
        return self.driver("dump")

    # real input
    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *args], env=self.envr.env, capture_output=True,
                           timeout=30)
        self.note(f"xdotool {' '.join(args)} -> rc {r.returncode}")
        if r.returncode != 0:
            fail(f"xdotool {' '.join(args)} failed: {r.stderr.decode(errors='replace')}")
        return r.stdout.decode(errors="replace")

    def focus_keys(self, hwnd=None):
        """Gives a Wine top-level window the X keyboard focus so real keys reach it."""
        args = ["xid"] + ([str(hwnd)] if hwnd else [])
        xid = self.driver(*args)["xid"]
        self.xdotool("windowfocus", str(xid))
        return xid

    def keys(self, *keys):
        self.xdotool("key", "--delay", "50", *keys)

    def screenshot(self, path, crop=None):
        return self.envr.screenshot(path, crop)


# --- running cases -----------------------------------------------------------------------

def run_case(name, fn, options, environment, artifacts, out):
    casedir = os.path.join(artifacts, name.replace("/", "_"))
    c = Context(name, options, environment, casedir)
    t0 = time.monotonic()
    outcome, reason = "PASS", ""
    try:
        fn(c)
    except CaseSkipped as e:
        outcome, reason = "SKIP", str(e)
    except CaseFailure as e:
        outcome, reason = "FAIL", str(e)
    except Exception as e:  # a bug in the case or the harness is a failure of the case too
        outcome, reason = "FAIL", f"{type(e).__name__}: {e}"
        c.note(traceback.format_exc())
    if outcome == "FAIL":
        os.makedirs(casedir, exist_ok=True)
        environment.screenshot(os.path.join(casedir, "screen.png"))
        if c.app and c.app.running():
            try:
                c.driver("dump", expect_ok=False, timeout_s=30)
            except Exception:
                pass
    c.end_all()
    elapsed = time.monotonic() - t0
    c.note(f"{outcome} in {elapsed:.1f} s {reason}")
    if outcome == "FAIL" or options.keep_logs:
        os.makedirs(casedir, exist_ok=True)
        with open(os.path.join(casedir, "transcript.txt"), "w", encoding="utf-8") as f:
            f.write("\n".join(c.transcript) + "\n")
    if outcome == "FAIL":
        reason += f" (artifacts: {casedir})"
    elif os.path.isdir(casedir) and not options.keep_logs:
        shutil.rmtree(casedir, ignore_errors=True)
    line = f"{outcome} {name}" + (f": {reason}" if reason else "")
    print(line, file=out, flush=True)
    return outcome


def make_workdir():
    return tempfile.mkdtemp(prefix="sorelka-e2e-")
