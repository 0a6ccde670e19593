#!/usr/bin/env bash
# kalodaya-chart --batch through the real command: charts per second with one thread and with
# every core (hyperfine medians), and the peak memory for 1,000,000 lines (target: under 50 MB).
# Usage: bench/batch_jobs.sh [KALODAYA_CHART] [LINES_FOR_SPEED]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
chart="${1:-$here/../build/default/src/cli/kalodaya-chart}"
speedLines="${2:-120000}"
memoryLines=1000000
memoryTargetKb=$((50 * 1024))
cores="$(nproc)"
requests="$here/../tests/golden/requests.jsonl"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for tool in hyperfine /usr/bin/time; do
  command -v "$tool" > /dev/null || { echo "needs $tool (apt-get install hyperfine time)"; exit 1; }
done

# The golden requests (varied births, polar places, refused entries) repeated to the size asked.
repeat() {
  local lines="$1" out="$2"
  : > "$out"
  while (( $(wc -l < "$out") < lines )); do cat "$requests" >> "$out"; done
  head -n "$lines" "$out" > "$out.cut" && mv "$out.cut" "$out"
}
repeat "$speedLines" "$work/speed.jsonl"
repeat "$memoryLines" "$work/memory.jsonl"
# The same requests at latitudes below 60 degrees (no polar days or nights).
grep -E '"lat":"[0-5]?[0-9]:' "$requests" > "$work/below60.src"
requests="$work/below60.src" repeat "$speedLines" "$work/below60.jsonl"

for mix in speed below60; do
  label="the full mix"
  [[ $mix == below60 ]] && label="latitudes below 60"
  echo "kalodaya-chart --batch, $speedLines lines of $label, $cores cores"
  hyperfine --warmup 1 --runs 10 --style basic --export-csv "$work/$mix.csv" \
    -n "jobs 1" "$chart --batch --jobs 1 < $work/$mix.jsonl > /dev/null" \
    -n "jobs $cores" "$chart --batch --jobs $cores < $work/$mix.jsonl > /dev/null" > /dev/null
  # CSV: command,mean,stddev,median,user,system,min,max
  awk -F, -v lines="$speedLines" 'NR > 1 {
    printf "--%-9s median %.3f s  %9.0f charts/s\n", $1, $4, lines / $4 }' "$work/$mix.csv"
done

echo "peak memory, $memoryLines lines (median of 3 runs; target under $((memoryTargetKb / 1024)) MB)"
status=0
for jobs in 1 "$cores"; do
  peaks=()
  for run in 1 2 3; do
    /usr/bin/time -v "$chart" --batch --jobs "$jobs" < "$work/memory.jsonl" > /dev/null 2> "$work/time.txt"
    peaks+=("$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/time.txt")")
  done
  median="$(printf '%s\n' "${peaks[@]}" | sort -n | sed -n 2p)"
  verdict="within target"
  if (( median >= memoryTargetKb )); then verdict="OVER TARGET"; status=1; fi
  printf -- "--jobs %-3s median peak %6d KB  (%s)\n" "$jobs" "$median" "$verdict"
done
exit $status
