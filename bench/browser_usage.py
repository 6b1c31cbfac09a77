"""What a browser costs for one search: the processes that descend from the one that made
the starts (that one's own work left out) and from a browser already running. Found by
parentage: Chromium writes its process titles over its environment.

usage: browser_usage.py cpu STARTER [BROWSER]      prints CPU seconds, reaped starts included
       browser_usage.py peak OUT STARTER [BROWSER] until killed, keeps the peak PSS (MiB) of
                                                   those processes in OUT"""

import os
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")


def parents():
    found = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat", encoding="ascii", errors="replace") as stat:
                    found[entry] = stat.read().rsplit(")", 1)[1].split()[1]
            except (OSError, IndexError):
                pass
    return found


def descendants(roots):
    parent_of = parents()
    found = set(root for root in roots if root in parent_of)
    grew = True
    while grew:
        grew = False
        for pid, parent in parent_of.items():
            if parent in found and pid not in found:
                found.add(pid)
                grew = True
    return found


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
    if sys.argv[1] == "cpu":
        starter, browsers = sys.argv[2], sys.argv[3:]
        processes = descendants([starter, *browsers]) - {starter}
        total = cpu_seconds(starter, own=False)
        total += sum(cpu_seconds(pid, own=True) for pid in processes)
        print(f"{total:.2f}")
        return
    out, starter, browsers = sys.argv[2], sys.argv[3], sys.argv[4:]
    peak = 0.0
    while True:
        processes = descendants([starter, *browsers]) - {starter}
        peak = max(peak, sum(pss_mib(pid) for pid in processes))
        with open(out, "w", encoding="ascii") as file:
            file.write(f"{peak:.0f}\n")
        time.sleep(0.2)


main()
