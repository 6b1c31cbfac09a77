"""What a browser costs for one search: the processes of one case (every process whose
environment holds the case's HOME), less the one that made the starts.

usage: browser_usage.py cpu HOME EXCLUDED_PID    prints CPU seconds, children reaped included
       browser_usage.py peak HOME EXCLUDED_PID OUT   until killed, keeps the peak PSS (MiB)
                                                     of those processes in OUT"""

import os
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")


def case_processes(home, excluded):
    wanted = b"HOME=" + home.encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or entry == excluded:
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if wanted in environ.read().split(b"\0"):
                    yield entry
        except OSError:
            pass


def cpu_seconds(pid, own):
    try:
        with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return 0
    utime, stime, cutime, cstime = (int(f) for f in fields[11:15])
    # The starter's own time is not the browser's; what it reaped (a start that handed its
    # addresses on and ended) is.
    return (cutime + cstime if not own else utime + stime + cutime + cstime) / TICKS


def pss_mib(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup", encoding="ascii") as rollup:
            for line in rollup:
                if line.startswith("Pss:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return 0


def main():
    what, home, excluded = sys.argv[1:4]
    if what == "cpu":
        total = cpu_seconds(excluded, own=False)
        total += sum(cpu_seconds(pid, own=True) for pid in case_processes(home, excluded))
        print(f"{total:.2f}")
        return
    peak = 0.0
    while True:
        peak = max(peak, sum(pss_mib(pid) for pid in case_processes(home, excluded)))
        with open(sys.argv[4], "w", encoding="ascii") as out:
            out.write(f"{peak:.0f}\n")
        time.sleep(0.2)


main()
