#!/usr/bin/python3
"""What drawing costs: `ggraph run` with --png against the same run without pictures.

  bench/drawing_bench.py GGRAPH [ROUNDS]

Runs every example of examples/ (the gallery; each command file a run of its
own, with the data its first comment lines name) and a scatterplot of 100,000
points, with and without --png, ROUNDS times (default 3) in interleaved rounds,
and prints a table of the medians: wall seconds without and with pictures, what
the drawing adds (wall and CPU seconds of all processes), the goal (0.5 s plus
50 ms a chart, per run, for the gallery's small charts; under 5 s for the
scatterplot) and the peak RSS of the node renderer (goal: under 1 GB).
"""
import pathlib
import resource
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
EXAMPLES = ROOT / "examples"
POINTS = 100_000
RENDERER_MEMORY_GOAL_MB = 1024
SCATTER_NAME = "scatterplot, 100,000 points"

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
    return [str(commands), "--data", str(data)]


def children_of(pid):
    try:
        return [int(child) for child in pathlib.Path("/proc/%d/task/%d/children" % (pid, pid)).read_text().split()]
    except OSError:
        return []


def peak_rss_mb(pid):
    try:
        for line in pathlib.Path("/proc/%d/status" % pid).read_text().splitlines():
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    except OSError:
        pass
    return 0.0


def run(ggraph, command, pictures):
    """Wall and CPU seconds of one run (ggraph and node), and the renderer's peak RSS (MB): the
    largest peak seen of ggraph's child processes while it runs."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    extra = ["--png", str(pictures)] if pictures else []
    process = subprocess.Popen([ggraph, "run"] + command + extra, stdout=subprocess.DEVNULL)
    renderer_mb = 0.0
    while process.poll() is None:
        for child in children_of(process.pid):
            renderer_mb = max(renderer_mb, peak_rss_mb(child))
        time.sleep(0.02)
    seconds = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if process.returncode != 0:
        sys.exit("ggraph %s failed (%d)" % (" ".join(command), process.returncode))
    cpu = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
    return seconds, cpu, renderer_mb


def medians(result):
    """Wall seconds without and with pictures, the CPU seconds drawing adds, the renderer's peak RSS."""
    cpu_added = statistics.median(result["drawn_cpu"]) - statistics.median(result["plain_cpu"])
    return [statistics.median(result["plain"]), statistics.median(result["drawn"]), cpu_added, max(result["rss"])]


def print_row(name, charts, times, goal, memory_met=True):
    plain, drawn, cpu_added, rss = times
    met = drawn - plain < goal and memory_met
    print("| %s | %d | %.3f | %.3f | %.3f | %.2f | %s | %.3f | %s |" % (
        name, charts, plain, drawn, drawn - plain, goal, "yes" if met else "no", cpu_added,
        "" if rss is None else "%.0f" % rss))


def main():
    ggraph = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        tasks = {command.stem: [str(command)] for command in sorted(EXAMPLES.glob("*.sps"))}
        tasks[SCATTER_NAME] = make_scatter(work)
        charts = {}
        for name, command in tasks.items():
            folder = work / ("count-" + str(len(charts)))
            run(ggraph, command, folder)
            charts[name] = len(list(folder.glob("*.png")))
        results = {name: {"plain": [], "drawn": [], "plain_cpu": [], "drawn_cpu": [], "rss": []} for name in tasks}
        for round_number in range(rounds):
            for number, (name, command) in enumerate(tasks.items()):
                seconds, cpu, _ = run(ggraph, command, None)
                results[name]["plain"].append(seconds)
                results[name]["plain_cpu"].append(cpu)
                seconds, cpu, rss = run(ggraph, command, work / ("png-%d-%d" % (round_number, number)))
                results[name]["drawn"].append(seconds)
                results[name]["drawn_cpu"].append(cpu)
                results[name]["rss"].append(rss)
        print("| run | charts | without pictures s | with --png s | drawing adds s | goal s | met |"
              " CPU adds s | renderer peak RSS MB |")
        print("|---|---|---|---|---|---|---|---|---|")
        gallery = [name for name in tasks if name != SCATTER_NAME]
        for name in gallery:
            print_row(name, charts[name], medians(results[name]), 0.5 + 0.05 * charts[name])
        total = [sum(medians(results[name])[part] for name in gallery) for part in range(3)]
        print_row("gallery, all %d runs" % len(gallery), sum(charts[name] for name in gallery), total + [None],
                  sum(0.5 + 0.05 * charts[name] for name in gallery))
        scatter = medians(results[SCATTER_NAME])
        print_row(SCATTER_NAME, charts[SCATTER_NAME], scatter, 5.0,
                  scatter[3] is not None and scatter[3] < RENDERER_MEMORY_GOAL_MB)
        print("\nmedians of %d interleaved rounds" % rounds)


if __name__ == "__main__":
    main()
