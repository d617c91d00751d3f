#!/usr/bin/env python3
"""Start-up time and peak memory of the window against a bare Qt Widgets window.

Both programs end at their first complete paint (bench/first_paint_probe.h). They run in
alternation, so that machine noise falls on both alike, and the figures are medians.
"""
import os
import statistics
import subprocess
import sys
import time


def run(program):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.perf_counter()
    child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} ended with status {status}")
    return elapsed * 1000, usage.ru_maxrss / 1024  # ms, MiB


def main():
    bench = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    programs = {"bare": f"{bench}/solvanix_startup_baseline",
                "solvanix": f"{bench}/solvanix_startup_probe"}
    for program in programs.values():  # warm the page cache
        for _ in range(5):
            run(program)
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            ms, mib = run(program)
            times[name].append(ms)
            memory[name].append(mib)
    t = {name: statistics.median(v) for name, v in times.items()}
    m = {name: statistics.median(v) for name, v in memory.items()}
    print(f"start-up to first paint: solvanix {t['solvanix']:.1f} ms, bare Qt {t['bare']:.1f} ms, "
          f"ratio {t['solvanix'] / t['bare']:.2f} (median of {runs})")
    print(f"peak resident memory: solvanix {m['solvanix']:.1f} MiB, bare Qt {m['bare']:.1f} MiB, "
          f"difference {m['solvanix'] - m['bare']:.1f} MiB")


if __name__ == "__main__":
    main()
