"""Load figures of an interleaved peer run that included OURS (bench_load).

    python3 bench/load_ratios.py RES.tsv COLUMN_BYTES

RES.tsv is the result file of the peers' run_all.sh; RES.tsv.proc.tsv beside it
holds each process's peak RSS. Prints, per peer, the median load seconds, the
median over rounds of the per-round ratio ours / peer (below 1: ours is
faster), and the median peak RSS of the whole process, also as a multiple of
COLUMN_BYTES (the in-memory size of the loaded columns).
"""
import statistics
import sys
from collections import defaultdict

result_path, column_bytes = sys.argv[1], int(sys.argv[2])
seconds = defaultdict(dict)  # peer -> round -> load seconds
for line in open(result_path):
    fields = line.rstrip("\n").split("\t")
    if len(fields) == 9 and fields[4] == "load":
        seconds[fields[1]][int(fields[0])] = float(fields[6])
rss = defaultdict(list)  # peer -> peak RSS in bytes
for line in open(result_path + ".proc.tsv"):
    fields = line.rstrip("\n").split("\t")
    if len(fields) == 4:
        rss[fields[0]].append(float(fields[3]) * 1024)

ours = seconds["ours"]
print("| peer | rounds | median load s | ours / peer (median of rounds) | peak RSS MiB | peak RSS / COLUMN_BYTES |")
print("|---|---|---|---|---|---|")
for peer in sorted(seconds):
    rounds = seconds[peer]
    ratios = [ours[r] / rounds[r] for r in rounds if r in ours]
    peak = statistics.median(rss[peer]) if rss[peer] else float("nan")
    print(f"| {peer} | {len(rounds)} | {statistics.median(rounds.values()):.3f} | "
          f"{statistics.median(ratios):.2f} | {peak / 2**20:.0f} | {peak / column_bytes:.2f} |")
