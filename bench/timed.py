#!/usr/bin/env python3
"""Runs a command several times; prints the best wall time in seconds (to the
millisecond) and the peak resident memory of that run in kilobytes.

    timed.py REPEAT COMMAND [ARG...]

The clock is read right around the child's start and end, so that only its
own start-up is counted (a shell's `date` before and after adds two process
starts, as much as `wc -l` takes on the main set)."""
import os
import subprocess
import sys
import time


def main():
    repeat = int(sys.argv[1])
    command = sys.argv[2:]
    best = None
    for _ in range(repeat):
        start = time.perf_counter()
        child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, _, usage = os.wait4(child.pid, 0)
        seconds = time.perf_counter() - start
        if best is None or seconds < best[0]:
            best = (seconds, usage.ru_maxrss)
    print(f"{best[0]:.3f} {best[1]}")


if __name__ == "__main__":
    main()
