#!/usr/bin/env python3
"""Start-up time, memory and idle CPU of the assistant against a bare Win32 window, both under
the same Wine prefix and display, measured in one run. Usage: footprint.py BUILD_DIR
(run by bench/wine/run.sh with WINEPREFIX and DISPLAY set)."""
import os, subprocess, sys, time

build = sys.argv[1]
CLK = os.sysconf("SC_CLK_TCK")


def window_up(title):
    return subprocess.run(["xdotool", "search", "--name", title], capture_output=True).returncode == 0


def wine_pid(exe_name):
    out = subprocess.run(["pgrep", "-f", exe_name], capture_output=True, text=True).stdout.split()
    return int(out[0]) if out else None


def stat(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / CLK          # utime + stime, seconds
    rss_kib = int(open(f"/proc/{pid}/statm").read().split()[1]) * os.sysconf("SC_PAGE_SIZE") // 1024
    return cpu, rss_kib


def measure(exe, title, cls, runs=3):
    starts, rss, idle = [], [], []
    for _ in range(runs):
        t0 = time.monotonic()
        proc = subprocess.Popen(["wine", os.path.join(build, exe)], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        while not window_up(title):
            if time.monotonic() - t0 > 60:
                raise SystemExit(f"{exe} showed no window")
            time.sleep(0.01)
        starts.append(time.monotonic() - t0)
        time.sleep(1.0)
        pid = wine_pid(exe)
        cpu0, _ = stat(pid)
        time.sleep(5.0)  # idle: nothing in front changes
        cpu1, kib = stat(pid)
        idle.append((cpu1 - cpu0) / 5.0 * 100)
        rss.append(kib)
        subprocess.run(["wine", os.path.join(build, "e2e_driver.exe"), "--class", cls, "close"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            subprocess.run(["kill", "-9", str(pid)])
            proc.wait(timeout=30)
    med = lambda v: sorted(v)[len(v) // 2]
    return med(starts), med(rss), med(idle)


bare = measure("bare_window.exe", "Bare window", "BareWindow")
app = measure("sorelka.exe", "Sorelka 2.0 for XP", "SorelkaMainWindow")
print('{"startup_s": [%.2f, %.2f], "rss_kib": [%d, %d], "idle_cpu_percent": [%.2f, %.2f], '
      '"startup_ratio": %.2f, "rss_ratio": %.2f}  (bare window, assistant)'
      % (bare[0], app[0], bare[1], app[1], bare[2], app[2], app[0] / bare[0], app[1] / bare[1]))
