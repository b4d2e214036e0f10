#!/usr/bin/env python3
"""Start-up time, resident memory and idle CPU of the assistant against windows measured in the
same run, under the same Wine prefix and display: the baseline window (the main window's control
classes, fonts and manifest, nothing more), the same baseline with as many child windows as the
main window and its two timers ("equal"), and a bare window (a menu alone). The runs take turns,
so a busy machine weighs on all alike; medians are reported with the
assistant's ratios to the baseline and to "equal", then where its memory goes beyond the
baseline's, by mapping.
Usage: footprint.py BUILD_DIR [RUNS]  (run by bench/wine/run.sh with WINEPREFIX and DISPLAY set)"""
import collections, json, os, subprocess, sys, time

from wine_proc import alive, cpu_s, wine_pid

build = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
IDLE_S = 5.0
PAGE_KIB = os.sysconf("SC_PAGE_SIZE") // 1024

# name, executable and its options, title, class (to close it). "equal" is the baseline with as
# many child windows as the main window has and the same two timers, idle: what the required
# design costs under Wine before the program adds anything.
PROGRAMS = [("bare", ["bare_window.exe"], "Bare window", "BareWindow"),
            ("baseline", ["baseline_window.exe"], "Baseline window", "BaselineWindow"),
            ("equal", ["baseline_window.exe", "--copies", "3", "--timers"], "Baseline window", "BaselineWindow"),
            ("assistant", ["sorelka.exe"], "Sorelka 2.0 for XP", "SorelkaMainWindow")]


def window_shown(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                          capture_output=True).returncode == 0


def rss_kib(pid):
    return int(open(f"/proc/{pid}/statm").read().split()[1]) * PAGE_KIB


def by_mapping(pid):
    """Resident KiB per mapped file (by its name) or kind of anonymous memory."""
    groups, name = collections.Counter(), None
    for line in open(f"/proc/{pid}/smaps"):
        parts = line.split()
        if parts and "-" in parts[0] and len(parts) >= 5 and ":" in parts[3]:
            name = os.path.basename(parts[5]) if len(parts) > 5 and parts[5].startswith("/") else \
                (parts[5] if len(parts) > 5 else "[anon]")
        elif parts and parts[0] == "Rss:":
            groups[name] += int(parts[1])
    return groups


def start_in_wine_ms(command, cls):
    """From CreateProcess to the window visible, watched from inside Wine every millisecond (the
    X display is polled only every 20-30 ms); the window is mapped as it becomes visible."""
    exe = "Z:" + os.path.abspath(os.path.join(build, command[0])).replace("/", "\\")
    r = subprocess.run(["wine", os.path.join(build, "e2e_driver.exe"), "--class", cls, "watch-start", exe, "10000",
                        *command[1:]], capture_output=True, timeout=120)
    answer = json.loads(r.stdout.decode("utf-8", "replace").strip().splitlines()[-1])
    if not answer.get("ok"):
        raise SystemExit(f"{command[0]} showed no window: {answer}")
    return answer["seen_ms"]


def run_once(command, title, cls):
    exe = command[0]
    t0 = time.monotonic()
    proc = subprocess.Popen(["wine", os.path.join(build, exe), *command[1:]], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    while not window_shown(title):
        if time.monotonic() - t0 > 60:
            raise SystemExit(f"{exe} showed no window")
        time.sleep(0.02)
    start = time.monotonic() - t0
    time.sleep(1.0)  # settled: the first paints and the first poll ticks are over
    pid = wine_pid(exe)
    cpu0 = cpu_s(pid)
    time.sleep(IDLE_S)  # idle: nothing in front changes
    idle = (cpu_s(pid) - cpu0) / IDLE_S * 100
    kib, maps = rss_kib(pid), by_mapping(pid)
    subprocess.run(["wine", os.path.join(build, "e2e_driver.exe"), "--class", cls, "close"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # `wine` may return before the program has gone: wait for the program itself (which may be
    # `wine` become the program, left a zombie until it is waited for).
    deadline = time.monotonic() + 30
    while alive(pid) and time.monotonic() < deadline:
        time.sleep(0.05)
    if alive(pid):
        subprocess.run(["kill", "-9", str(pid)])
    proc.wait(timeout=30)
    return {"startup_s": start, "startup_in_wine_ms": start_in_wine_ms(command, cls), "rss_kib": kib,
            "idle_cpu_percent": idle, "maps": maps}


def median(values):
    return sorted(values)[len(values) // 2]


runs = collections.defaultdict(list)
for _ in range(RUNS):
    for name, exe, title, cls in PROGRAMS:
        runs[name].append(run_once(exe, title, cls))
        print(f"# {name}: {runs[name][-1]['rss_kib']} KiB", file=sys.stderr)

result = {}
for name, *_ in PROGRAMS:
    result[name] = {k: round(median([r[k] for r in runs[name]]), 3)
                    for k in ("startup_s", "startup_in_wine_ms", "rss_kib", "idle_cpu_percent")}
app = result["assistant"]
for against, suffix in (("baseline", ""), ("equal", "_vs_equal")):
    base = result[against]
    for k, ratio in (("startup_s", "startup_ratio"), ("startup_in_wine_ms", "startup_in_wine_ratio"),
                     ("rss_kib", "rss_ratio"), ("idle_cpu_percent", "idle_cpu_ratio")):
        # Idle CPU counts whole clock ticks: two programs at 0 are alike, none against 0 has no ratio.
        app[ratio + suffix] = round(app[k] / base[k], 3) if base[k] else (1.0 if app[k] == 0 else None)
print(json.dumps({"runs": RUNS, **result}))

# Where the assistant's memory goes beyond the baseline's: the run of each nearest its median.
def median_run(name):
    m = result[name]["rss_kib"]
    return min(runs[name], key=lambda r: abs(r["rss_kib"] - m))["maps"]


a, b = median_run("assistant"), median_run("baseline")
diff = sorted(((a[k] - b[k], k) for k in set(a) | set(b)), reverse=True)
print("resident KiB beyond the baseline, by mapping (assistant - baseline; only the assistant's):")
for d, k in diff:
    if abs(d) >= 16:
        print(f"  {d:+6d}  {k}{'  *' if k not in b else ''}")
print(f"  {sum(a.values()) - sum(b.values()):+6d}  in all")
