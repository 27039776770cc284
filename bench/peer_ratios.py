"""Ratios of the aggregation library's group-by times to the peers', from one run_all.sh output.

    python3 bench/peer_ratios.py RESULTS.tsv

Per task a..g: the median seconds of ours and of every peer, ours / fastest peer (goals:
<= 1, and <= 0.5 for the median c and the percentile d), and ours / the time to read the
task's columns once from memory (read_<task> lines of ggraph_peer_tasks --column-reads;
goal <= 3 for count a and mean b). Medians over every round and repetition.
"""
import statistics
import sys
from collections import defaultdict

times = defaultdict(list)  # (peer id, task) -> seconds
for line in open(sys.argv[1]):
    fields = line.rstrip("\n").split("\t")
    if len(fields) == 9:
        times[fields[1], fields[4]].append(float(fields[6]))

peers = sorted({pid for pid, _ in times if pid != "ours"})
median = {key: statistics.median(values) for key, values in times.items()}
print("| task | ours s | " + " | ".join(f"{p} s" for p in peers) +
      " | fastest peer | ours / fastest | goal | read s | ours / read |")
print("|---" * (len(peers) + 7) + "|")
for task in "abcdefg":
    if ("ours", task) not in median:
        continue
    ours = median["ours", task]
    peer_times = {p: median[p, task] for p in peers if (p, task) in median}
    fastest = min(peer_times, key=peer_times.get) if peer_times else None
    read = median.get(("ours", "read_" + task))
    goal = "<= 0.5" if task in "cd" else "<= 1"
    cells = [f"{peer_times[p]:.3f}" if p in peer_times else "-" for p in peers]
    ratio = f"{ours / peer_times[fastest]:.2f}" if fastest else "-"
    print(f"| {task} | {ours:.3f} | " + " | ".join(cells) +
          f" | {fastest or '-'} | {ratio} | {goal} | " +
          (f"{read:.4f} | {ours / read:.1f}" if read else "- | -") + " |")
