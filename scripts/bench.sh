#!/usr/bin/env bash
# Builds the release preset and runs every benchmark: the engine's (runs of
# both editions, text scaling, intersection, schemes, back-tests), the draw
# history's (an import of 100,000 lines), the ticket reducer's (every play of
# five survivor sets), the Qt window's (click
# to list, pastes), and each program's start-up time to its first shown
# window and peak memory. Ends with a Markdown table of the figures against
# their targets. Usage: scripts/bench.sh [repetitions]   (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions="${1:-5}"
./scripts/setup.sh time
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

out=build/release/bench-results
mkdir -p "$out"
aggregate=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true)

./build/release/bench/bench_engine "${aggregate[@]}" \
  --benchmark_out="$out/engine.txt" --benchmark_out_format=console
./build/release/bench/bench_history "${aggregate[@]}" \
  --benchmark_out="$out/history.txt" --benchmark_out_format=console
# Each play once, with the solver's default 3 s limit: about two minutes.
./build/release/bench/bench_reducer --benchmark_out="$out/reducer.txt" \
  --benchmark_out_format=console 2>/dev/null
QT_QPA_PLATFORM=offscreen ./build/release/bench/bench_gui \
  --benchmark_out="$out/gui.txt" --benchmark_out_format=console 2>/dev/null

# Start-up to the first shown window (the program quits as soon as its window
# is exposed, so this is an upper bound) and peak resident memory, offscreen.
: >"$out/programs.txt"
for program in quorvel_any5 quorvel_front3; do
  for _ in $(seq "$repetitions"); do
    QT_QPA_PLATFORM=offscreen /usr/bin/time -f "$program %e %M" -a -o "$out/programs.txt" \
      "./build/release/bin/$program" --check >/dev/null
  done
done

# The median of a benchmark in the reports ("NAME_median  10.2 us ...", or
# "NAME/min_time:2.000  3.2 ms ..." when run once), in the unit asked for.
figure() {
  local name="$1" unit="$2"
  awk -v name="$name" -v unit="$unit" '
    $1 == name || $1 == name "_median" || index($1, name "/") == 1 {
      scale["ns"] = 1e-9; scale["us"] = 1e-6; scale["ms"] = 1e-3; scale["s"] = 1
      printf "%.3g", $2 * scale[$3] / scale[unit]
      exit
    }' "$out/engine.txt" "$out/history.txt" "$out/gui.txt" "$out/history-window.txt"
}

# The event loop's longest gap during the window's import, in ms.
gap() {
  awk 'index($1, "BM_Import100000LinesKeepsTheWindowResponsive") == 1 {
      for (i = 1; i <= NF; ++i) if (split($i, kv, "=") == 2 && kv[1] == "longestGapMs") {
        printf "%.3g", kv[2]; exit
      }
    }' "$out/history-window.txt"
}

# A reduction's tickets, bound and milliseconds to its first cover.
reduction() {
  awk -v name="$1" 'index($1, name "/") == 1 {
      for (i = 1; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
      printf "%d / %d, first cover %.2f ms", v["count"], v["bound"], v["firstMs"]
      exit
    }' "$out/reducer.txt"
}

# Median seconds (as ms) and largest peak memory (as MB) of a program's runs.
startup() {
  awk -v p="$1" '$1 == p { print $2 * 1000 }' "$out/programs.txt" | sort -n |
    awk '{ v[NR] = $1 } END { printf "%.0f", v[int((NR + 1) / 2)] }'
}
memory() {
  awk -v p="$1" '$1 == p && $3 > m { m = $3 } END { printf "%.0f", m / 1024 }' "$out/programs.txt"
}

paste1=$(figure "BM_Any5RunWithPastes/1048576" ms)
paste2=$(figure "BM_Any5RunWithPastes/2097152" ms)
cut1=$(figure "BM_IntersectionOfTwoLists/1048576" ms)
cut2=$(figure "BM_IntersectionOfTwoLists/2097152" ms)

cat <<EOF

Medians of $repetitions repetitions on $(nproc) cores, $(uname -m), $(date -u +%Y-%m-%d):

| What | Measured | Target |
|---|---|---|
| any-5 run, all 18 conditions set | $(figure BM_Any5RunAllStagesActive us) µs | < 20 µs |
| any-5 run, no condition | $(figure BM_Any5Run us) µs | < 20 µs |
| front-3 run, all 13 conditions set | $(figure BM_Front3RunAllStages us) µs | < 40 µs |
| front-3 run and group conversion | $(figure BM_Front3GroupConversion/1 us) µs | < 40 µs |
| any-5 run with 1 MB / 2 MB in each text box | $paste1 / $paste2 ms (× $(awk -v a="$paste1" -v b="$paste2" 'BEGIN { printf "%.2f", b / a }')) | 2 MB within 2.2× of 1 MB |
| intersection of two 1 MB / 2 MB lists | $cut1 / $cut2 ms (× $(awk -v a="$cut1" -v b="$cut2" 'BEGIN { printf "%.2f", b / a }')) | linear |
| scheme load (read, check, set every control) | $(figure BM_SchemeLoad us) µs | — |
| import of 100,000 draw lines into a new history file | $(figure BM_HistoryImportIntoNewFile/100000/manual_time ms) ms | < 2000 ms |
| 回测 of 10,000 draws, every condition set: any-5 / front-3 | $(figure BM_BacktestTenThousandDraws/0 ms) / $(figure BM_Front3BacktestTenThousandDraws/0 ms) ms | < 20 ms |
| 保中缩票 of all 462 any-5 bets, 任选六 (3 s): tickets / bound | $(reduction Reduce/any5x462/任选六) | first cover < 50 ms |
| 保中缩票 of 50 any-5 bets, 任选六: tickets / bound | $(reduction Reduce/any5x50/任选六) | proven |
| click on 【开始缩水】 to 462 listed bets (Qt) | $(figure BM_ClickToList ms) ms | < 16 ms |
| any-5 click + run, every condition: plain / verdicts and 容错 0-1 | $(figure BM_Any5PlainRunAllConditions us) / $(figure BM_Any5VerdictRunAllConditions us) µs | verdicts ≤ 1.5× plain |
| front-3 click + run, every condition: plain / verdicts and 容错 0-1 | $(figure BM_Front3PlainRunAllConditions us) / $(figure BM_Front3VerdictRunAllConditions us) µs | verdicts ≤ 1.5× plain |
| condition report refresh after a click (Qt) | $(figure BM_ReportRefreshAfterClick ms) ms | < 16 ms |
| 开奖历史 opened on 100,000 draws, newest row shown (Qt) | $(figure BM_OpenHistoryOn100000Draws ms) ms | < 100 ms |
| import of 100,000 lines from the window: time / longest event-loop gap (Qt) | $(figure BM_Import100000LinesKeepsTheWindowResponsive ms) / $(gap) ms | gap < 50 ms |
| quorvel_any5 start-up to its shown window | $(startup quorvel_any5) ms | < 400 ms |
| quorvel_front3 start-up to its shown window | $(startup quorvel_front3) ms | < 400 ms |
| quorvel_any5 peak memory | $(memory quorvel_any5) MB | < 80 MB |
| quorvel_front3 peak memory | $(memory quorvel_front3) MB | < 80 MB |
EOF
