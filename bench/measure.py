#!/usr/bin/env python3
"""README's performance figures, side by side in one table from one run.

Three probes end at their first complete paint (bench/first_paint_probe.h):
  program  solvanix_startup_probe     the window as main.cpp builds it
  floor    solvanix_floor_probe       only what this window cannot avoid
  bare     solvanix_startup_baseline  a bare Qt window of the same size with one label

For each platform, offscreen and xcb, the table gives:
  - callgrind's instruction count of the whole process, which does not vary between runs;
  - CPU time (user + sys) and wall time from exec to the first paint, and peak resident memory,
    from rounds that run the three probes back to back in a rotating order, so that the load of
    a shared machine falls on all three alike. A ratio is the median of the per-round ratios.
Then the core calculation and the OK click, as CPU time from Google Benchmark.

Usage: measure.py BENCH_DIR [ROUNDS]
The xcb figures need an X server: run under xvfb-run, as scripts/bench does.
"""
import json
import os
import platform
import re
import statistics
import subprocess
import sys
import tempfile
import time

PROBES = {
    "program": "solvanix_startup_probe",
    "floor": "solvanix_floor_probe",
    "bare": "solvanix_startup_baseline",
}
PLATFORMS = ("offscreen", "xcb")
MIN_ROUNDS = 40
WARM_UP_ROUNDS = 3
REPETITIONS = 10  # of each Google Benchmark figure

# The goals of issue 10, each on the column it is compared with.
GOAL_INSTRUCTIONS = 1.10  # program / floor
GOAL_CPU = 1.30  # program / bare, on xcb
GOAL_MEMORY_MIB = 0.75  # program - floor
GOAL_CORE_NS = 700.0
GOAL_CLICK_US = 10.0


def progress(text):
    print(text, file=sys.stderr, flush=True)


def environment(qpa):
    return dict(os.environ, QT_QPA_PLATFORM=qpa)


def run_once(path, qpa):
    """Runs one probe; returns wall ms, CPU ms (user + sys) and peak resident MiB."""
    with tempfile.TemporaryFile() as errors:
        start = time.perf_counter()
        child = subprocess.Popen([path], env=environment(qpa), stdout=subprocess.DEVNULL,
                                 stderr=errors)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        if status != 0:
            errors.seek(0)
            sys.exit(f"{path} on {qpa} ended with status {status}:\n"
                     f"{errors.read().decode(errors='replace')}")
    cpu = usage.ru_utime + usage.ru_stime
    return wall * 1000, cpu * 1000, usage.ru_maxrss / 1024


def instructions(path, qpa, out_file):
    """callgrind's count of instructions executed by the whole process."""
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out_file}", path],
                   env=environment(qpa), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   check=True)
    with open(out_file, encoding="utf-8") as profile:
        for line in profile:
            match = re.match(r"(?:summary|totals):\s+(\d+)", line)
            if match:
                return int(match.group(1))
    sys.exit(f"{out_file} holds no total")


def startup_rounds(paths, rounds):
    """Interleaved runs: in each round every probe on every platform, in a rotating order."""
    runs = [(qpa, name) for qpa in PLATFORMS for name in PROBES]
    samples = {run: [] for run in runs}
    for index in range(WARM_UP_ROUNDS + rounds):
        shift = index % len(runs)
        for qpa, name in runs[shift:] + runs[:shift]:
            sample = run_once(paths[name], qpa)
            if index >= WARM_UP_ROUNDS:
                samples[(qpa, name)].append(sample)
        if index >= WARM_UP_ROUNDS and (index - WARM_UP_ROUNDS + 1) % 10 == 0:
            progress(f"  {index - WARM_UP_ROUNDS + 1} of {rounds} rounds")
    return samples


def benchmark_cpu(path, name, qpa=None):
    """The median CPU time of one Google Benchmark, in nanoseconds."""
    env = environment(qpa) if qpa else dict(os.environ)
    output = subprocess.run(
        [path, f"--benchmark_filter=^{name}$", f"--benchmark_repetitions={REPETITIONS}",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        env=env, capture_output=True, text=True, check=True).stdout
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            return entry["cpu_time"] * scale[entry["time_unit"]]
    sys.exit(f"{path} gave no median for {name}")


def quartiles(values):
    q1, _, q3 = statistics.quantiles(values, n=4)
    return q1, q3


def machine():
    model = platform.processor() or platform.machine()
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as info:
            for line in info:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    load = os.getloadavg()[0]
    return (f"{platform.node()}: {model}, {os.cpu_count()} cores, "
            f"load average {load:.2f} at the start")


def verdict(met):
    return "yes" if met else "NO"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    bench = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) == 3 else 60
    if rounds < MIN_ROUNDS:
        sys.exit(f"at least {MIN_ROUNDS} rounds, so that the medians hold")
    if not os.environ.get("DISPLAY"):
        sys.exit("the xcb figures need an X server: run under xvfb-run")
    paths = {name: os.path.join(bench, program) for name, program in PROBES.items()}
    header = machine()

    profiles = os.path.join(bench, "callgrind")
    os.makedirs(profiles, exist_ok=True)
    counts = {}
    for qpa in PLATFORMS:
        for name, path in paths.items():
            progress(f"callgrind: {PROBES[name]} on {qpa}")
            out_file = os.path.join(profiles, f"{PROBES[name]}.{qpa}.out")
            counts[(qpa, name)] = instructions(path, qpa, out_file)

    progress(f"start-up: {rounds} rounds of {len(PROBES) * len(PLATFORMS)} runs")
    samples = startup_rounds(paths, rounds)

    progress("core calculation and OK click")
    core_ns = benchmark_cpu(os.path.join(bench, "solvanix_calc_bench"), "BM_WorkedExample")
    click_ns = benchmark_cpu(os.path.join(bench, "solvanix_click_bench"), "BM_ClickToResults",
                             "offscreen")

    rows = []
    spreads = []

    def add(figure, qpa, unit, values, versus, goal="", met=None):
        program, floor, bare = values
        rows.append([figure, qpa, f"{program}{unit}", f"{floor}{unit}" if floor else "",
                     f"{bare}{unit}" if bare else "", versus[0], versus[1], goal,
                     "" if met is None else verdict(met)])

    for qpa in PLATFORMS:
        c = {name: counts[(qpa, name)] for name in PROBES}
        to_floor = c["program"] / c["floor"]
        add("Instructions (callgrind Ir)", qpa, " M",
            [f"{c[name] / 1e6:.1f}" for name in PROBES],
            (f"{to_floor:.3f}", f"{c['program'] / c['bare']:.3f}"),
            f"vs floor <= {GOAL_INSTRUCTIONS:.2f}", to_floor <= GOAL_INSTRUCTIONS)
    for column, label, goal_platform in ((1, "CPU user+sys (rusage)", "xcb"),
                                         (0, "Wall, fork to exit", None)):
        for qpa in PLATFORMS:
            series = {name: [s[column] for s in samples[(qpa, name)]] for name in PROBES}
            ratios = {other: [p / o for p, o in zip(series["program"], series[other])]
                      for other in ("floor", "bare")}
            to = {other: statistics.median(r) for other, r in ratios.items()}
            goal, met = "", None
            if qpa == goal_platform:
                goal, met = f"vs bare <= {GOAL_CPU:.2f}", to["bare"] <= GOAL_CPU
            add(label, qpa, " ms", [f"{statistics.median(series[name]):.1f}" for name in PROBES],
                (f"{to['floor']:.3f}", f"{to['bare']:.3f}"), goal, met)
            spreads.append(f"{label}, {qpa}: " + ", ".join(
                "vs {} {:.3f} to {:.3f}".format(other, *quartiles(r))
                for other, r in ratios.items()))
    for qpa in PLATFORMS:
        m = {name: statistics.median(s[2] for s in samples[(qpa, name)]) for name in PROBES}
        above_floor = m["program"] - m["floor"]
        add("Peak RSS (ru_maxrss)", qpa, " MiB", [f"{m[name]:.2f}" for name in PROBES],
            (f"{above_floor:+.2f} MiB", f"{m['program'] - m['bare']:+.2f} MiB"),
            f"vs floor <= +{GOAL_MEMORY_MIB:.2f} MiB", above_floor <= GOAL_MEMORY_MIB)
    add("Core calculation (CPU)", "-", " ns", [f"{core_ns:.0f}", "", ""], ("", ""),
        f"< {GOAL_CORE_NS:.0f} ns", core_ns < GOAL_CORE_NS)
    add("OK click, 13 labels (CPU)", "offscreen", " us", [f"{click_ns / 1000:.2f}", "", ""],
        ("", ""), f"< {GOAL_CLICK_US:.0f} us", click_ns / 1000 < GOAL_CLICK_US)

    titles = ["Figure", "Platform", "Program", "Floor", "Bare", "vs floor", "vs bare", "Goal",
              "Met"]
    widths = [max(len(str(row[i])) for row in rows + [titles]) for i in range(len(titles))]
    right = {2, 3, 4, 5, 6}

    def line(cells):
        return "  ".join(str(cell).rjust(w) if i in right else str(cell).ljust(w)
                         for i, (cell, w) in enumerate(zip(cells, widths))).rstrip()

    print(f"SOLVANIX performance, {time.strftime('%Y-%m-%d %H:%M')}, on {header}")
    print(line(titles))
    print(line(["-" * w for w in widths]))
    for row in rows:
        print(line(row))
    notes = [
        "",
        "Program is solvanix_startup_probe, Floor solvanix_floor_probe and Bare "
        "solvanix_startup_baseline, each",
        "from exec to its first complete paint. 'vs floor' is Program / Floor and 'vs bare' "
        "Program / Bare; for memory",
        "they are Program - Floor and Program - Bare.",
        f"Instructions: one callgrind run of each probe on each platform; profiles in {profiles}.",
        f"CPU, wall and memory: {rounds} rounds after {WARM_UP_ROUNDS} uncounted ones, each "
        "running the three probes on both",
        f"platforms in a rotating order, so {rounds} pairs of the program with the floor and "
        f"{rounds} with the bare window",
        "per platform. Times and memory are medians; a ratio is the median of the per-round "
        "ratios, whose",
        "interquartile ranges are:",
        *(f"  {spread}" for spread in spreads),
        "Core: solvanix_calc_bench BM_WorkedExample; click: solvanix_click_bench "
        "BM_ClickToResults; each the median",
        f"of {REPETITIONS} repetitions in Google Benchmark's CPU column.",
    ]
    print("\n".join(notes))


if __name__ == "__main__":
    main()
