#!/usr/bin/python3
"""What drawing costs: `ggraph run` with --png against the same run without pictures.

  bench/drawing_bench.py GGRAPH [REPS]

Runs every example of examples/ (the gallery) and a scatterplot of 100,000
points, each REPS times (default 5) with and without --png, interleaved, and
prints a table of the median wall times, the time drawing adds, the goal
(0.5 s plus 50 ms a chart for the gallery's small charts; under 5 s for the
scatterplot's drawing) and the peak memory of the largest process of the run
(ggraph or the node renderer, whichever is larger).
"""
import pathlib
import re
import resource
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
EXAMPLES = ROOT / "examples"
POINTS = 100_000

SCATTER = """GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=x y
  /GRAPHSPEC SOURCE=INLINE LABEL='100,000 points'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: x = col(source(s), name("x"))
  DATA: y = col(source(s), name("y"))
  ELEMENT: point(position(x*y))
END GPL
"""


def make_scatter(folder):
    data = folder / "points.csv"
    with data.open("w") as out:
        out.write("x,y\n")
        seed = 12345
        for _ in range(POINTS):
            seed = (seed * 1103515245 + 12345) % 2**31
            x = seed / 2**31 * 100
            seed = (seed * 1103515245 + 12345) % 2**31
            out.write("%.4f,%.4f\n" % (x, x * 0.5 + seed / 2**31 * 20))
    commands = folder / "scatter.sps"
    commands.write_text(SCATTER)
    return [(str(commands), str(data))]


def gallery():
    runs = []
    for command in sorted(EXAMPLES.glob("*.sps")):
        match = re.search(r"\* Data: examples/data/([\w-]+)", command.read_text(encoding="utf-8"))
        runs.append((str(command), str(EXAMPLES / "data" / match.group(1))))
    return runs


def timed(ggraph, runs, png):
    """Wall seconds of the runs one after the other, the peak RSS (MB) of any process of them, and the
    CPU seconds of all their processes (which a busy machine inflates less than the wall time)."""
    script = ("import resource, subprocess, sys, time\n"
              "start = time.perf_counter()\n"
              "for command, data, png in zip(*[iter(sys.argv[2:])] * 3):\n"
              "    extra = ['--png', png] if png != '-' else []\n"
              "    subprocess.run([sys.argv[1], 'run', command, '--data', data] + extra,\n"
              "                   stdout=subprocess.DEVNULL, check=True)\n"
              "usage = resource.getrusage(resource.RUSAGE_CHILDREN)\n"
              "print(time.perf_counter() - start, usage.ru_maxrss, usage.ru_utime + usage.ru_stime)\n")
    arguments = []
    for command, data in runs:
        arguments += [command, data, png or "-"]
    out = subprocess.run([sys.executable, "-c", script, ggraph] + arguments, capture_output=True, text=True,
                         check=True).stdout.split()
    return float(out[0]), int(out[1]) / 1024, float(out[2])


def charts_in(ggraph, runs, folder):
    for command, data in runs:
        subprocess.run([ggraph, "run", command, "--data", data, "--png", str(folder)], stdout=subprocess.DEVNULL,
                       check=True)
    count = len(list(folder.glob("*.png")))
    return count


def main():
    ggraph = sys.argv[1]
    reps = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        tasks = {"gallery (%d command files)" % len(gallery()): gallery(), "scatterplot, 100,000 points": make_scatter(work)}
        print("| task | charts | without pictures s | with --png s | drawing adds s | goal s | CPU without s |"
              " CPU with s | peak RSS MB |")
        print("|---|---|---|---|---|---|---|---|---|")
        for name, runs in tasks.items():
            charts = charts_in(ggraph, runs, work / ("count-" + str(abs(hash(name)))))
            plain, drawn, memory, plain_cpu, drawn_cpu = [], [], [], [], []
            for rep in range(reps):
                seconds, _, cpu = timed(ggraph, runs, None)
                plain.append(seconds)
                plain_cpu.append(cpu)
                seconds, rss, cpu = timed(ggraph, runs, str(work / ("png-%d" % rep)))
                drawn.append(seconds)
                drawn_cpu.append(cpu)
                memory.append(rss)
            # The gallery is several runs: each pays node's start once.
            goal = "%.2f" % (0.5 * len(runs) + 0.05 * charts) if len(runs) > 1 else "5 (drawing)"
            p, d = statistics.median(plain), statistics.median(drawn)
            print("| %s | %d | %.3f | %.3f | %.3f | %s | %.3f | %.3f | %.0f |" % (
                name, charts, p, d, d - p, goal, statistics.median(plain_cpu), statistics.median(drawn_cpu),
                max(memory)))


if __name__ == "__main__":
    main()
