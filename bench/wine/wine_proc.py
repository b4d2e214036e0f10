"""The Linux side of a program running under Wine: its process and the CPU time it used."""
import os
import subprocess


def wine_pid(exe):
    """The Linux process running `exe` in this prefix (other prefixes may run one too); its name
    is the file name cut to 15 characters."""
    prefix = ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode()
    out = subprocess.run(["pgrep", "-f", exe], capture_output=True, text=True).stdout.split()
    for pid in out:
        try:
            if (open(f"/proc/{pid}/comm").read().strip() == exe[:15]
                    and prefix in open(f"/proc/{pid}/environ", "rb").read().split(b"\0")):
                return int(pid)
        except OSError:
            pass
    raise SystemExit(f"no process for {exe}")


def cpu_s(pid):
    """CPU time of all the process's threads, in nanoseconds from the scheduler (the clock-tick
    counts of /proc/PID/stat are 10 ms coarse: a few ticks in an idle run)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            total += int(open(f"/proc/{pid}/task/{task}/schedstat").read().split()[0])
        except OSError:
            pass  # a thread that ended meanwhile
    return total / 1e9


def alive(pid):
    try:
        return open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def user_system_s(pid):
    """The process's user and system time (/proc/PID/stat, in clock ticks of 10 ms)."""
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
