#!/usr/bin/env python3
"""What one slide of the translucency panel costs the program in CPU time: its process's user and
system time (and the scheduler's nanosecond count), and the wineserver's, over a fixed window holding one slide, against
the same window left idle, in turns, medians of RUNS.
Usage: slide_cpu.py BUILD_DIR [RUNS]  (run by bench/wine/run.sh with WINEPREFIX and DISPLAY set)"""
import json, os, subprocess, sys, time

from wine_proc import alive, cpu_s, user_system_s, wine_pid

build = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
WINDOW_S = 2.0  # one slide takes 33 steps of 30 ms
WM_COMMAND, MENU_SKELETON = 0x111, 2001


def driver(*args):
    r = subprocess.run(["wine", os.path.join(build, "e2e_driver.exe"), *args], capture_output=True, timeout=60)
    return json.loads(r.stdout.decode("utf-8", "replace").strip().splitlines()[-1])


def frame4_top():
    return {c["id"]: c for c in driver("dump")["controls"]}[1003]["rect"][1]


def measure(pid, server, start_slide):
    t0, c0, s0 = user_system_s(pid), cpu_s(pid), user_system_s(server)
    if start_slide:
        driver("post", "main", str(WM_COMMAND), str(MENU_SKELETON), "0")
    time.sleep(WINDOW_S)
    return user_system_s(pid) - t0, cpu_s(pid) - c0, user_system_s(server) - s0


def median(values):
    return sorted(values)[len(values) // 2]


proc = subprocess.Popen(["wine", os.path.join(build, "sorelka.exe")], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
driver("find", "20000")
time.sleep(1.0)  # settled: the first paints and ticks are over
pid = wine_pid("sorelka.exe")
# Each pass of the pump is a request to the wineserver: its time counts too.
server = wine_pid("wineserver64" if subprocess.run(["pgrep", "-x", "wineserver64"], capture_output=True).returncode == 0 else "wineserver")
idle, slide = [], []
for _ in range(RUNS):
    idle.append(measure(pid, server, False))
    top = frame4_top()
    slide.append(measure(pid, server, True))
    if frame4_top() == top:
        raise SystemExit("the panel did not slide")
driver("close")
deadline = time.monotonic() + 30
while alive(pid) and time.monotonic() < deadline:
    time.sleep(0.05)
proc.wait(timeout=30)
result = {"runs": RUNS, "window_s": WINDOW_S}
for name, rows in (("idle", idle), ("slide", slide)):
    result[name + "_user_system_ms"] = round(median([r[0] for r in rows]) * 1000)
    result[name + "_cpu_ms"] = round(median([r[1] for r in rows]) * 1000, 1)
    result[name + "_wineserver_user_system_ms"] = round(median([r[2] for r in rows]) * 1000)
result["slide_beyond_idle_cpu_ms"] = round(result["slide_cpu_ms"] - result["idle_cpu_ms"], 1)
print(json.dumps(result))
