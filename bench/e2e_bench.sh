#!/usr/bin/env bash
# The end-to-end chart task (CSV -> mean of x with a 95 % interval by g1, g2 ->
# clustered bars with error bars -> PNG), interleaved with DuckDB + Vega-Lite
# and data.table + ggplot2 through ../shared/bench-peers/e2e/run_e2e.sh, at
# each size; prints per size the rounds, the medians and our ratio to each
# peer, then our time per row against 1M rows (linearity).
#   bench/e2e_bench.sh GGRAPH [ROUNDS] [SIZES]      e.g. bench/e2e_bench.sh build/bin/ggraph 3 "1m 10m 100m"
# The peers' data come from gen.cpp (made here when missing: /tmp/peers_SIZE.csv,
# 3.7 GB at 100M rows, where data.table + ggplot2 need a minute or more a round).
set -euo pipefail
ggraph=$(realpath "$1"); rounds=${2:-3}; sizes=${3:-"1m 10m 100m"}
peers=$(cd "$(dirname "$0")/../../shared/bench-peers" 2>/dev/null && pwd || echo /work/shared/bench-peers)
png=$(mktemp -d)
declare -A rows=([1m]=1000000 [10m]=10000000 [100m]=100000000)
if [[ ! -x /tmp/gen ]]; then g++ -O2 -std=c++17 "$peers/gen.cpp" -o /tmp/gen; fi
summary=$(mktemp)
for size in $sizes; do
  csv=/tmp/peers_$size.csv
  [[ -f $csv ]] || /tmp/gen "${rows[$size]}" "$csv"
  echo "== $size rows: $peers/e2e/run_e2e.sh $ggraph $csv $rounds \"--png $png\""
  out=$("$peers/e2e/run_e2e.sh" "$ggraph" "$csv" "$rounds" "--png $png")
  echo "$out"
  echo "$out" | awk -F'\t' -v size="$size" -v n="${rows[$size]}" 'NF == 4 && $2 ~ /^[0-9]+$/ {print size "\t" n "\t" $0}' >> "$summary"
done
python3 - "$summary" <<'PY'
import sys, statistics as st, collections
t = collections.defaultdict(list); m = collections.defaultdict(list); n = {}
for line in open(sys.argv[1]):
    size, rows, peer, _, s, kb = line.rstrip('\n').split('\t')
    t[size, peer].append(float(s)); m[size, peer].append(int(kb)); n[size] = int(rows)
print("\n| rows | pipeline | median s | peak MB | ggraph / pipeline |")
print("|---|---|---|---|---|")
for size in n:
    g = st.median(t[size, 'ggraph'])
    for peer in ('ggraph', 'duckvl2', 'ggplot2'):
        if (size, peer) not in t: continue
        v = st.median(t[size, peer])
        print(f"| {size} | {peer} | {v:.2f} | {st.median(m[size, peer]) / 1024:.0f} | {g / v:.2f} |")
if '1m' in n:
    base = st.median(t['1m', 'ggraph']) / n['1m']
    print("\nggraph seconds per row against 1M rows (1.00 is linear):")
    for size in n: print(f"  {size}: {st.median(t[size, 'ggraph']) / n[size] / base:.2f}")
PY
rm -rf "$png" "$summary"
