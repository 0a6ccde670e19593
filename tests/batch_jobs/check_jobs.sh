#!/usr/bin/env bash
# kalodaya-chart --batch gives the same bytes with one thread as with several: on the golden
# requests and on 100,000+ mixed good and bad lines. Usage: check_jobs.sh KALODAYA_CHART
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
chart="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$here/mixed_lines.sh" "$here/../golden/requests.jsonl" > "$work/mixed.jsonl"
lines=$(( $(wc -l < "$work/mixed.jsonl") + 1 ))  # the last line has no line end
if (( lines < 100000 )); then echo "only $lines mixed lines"; exit 1; fi

status=0
for input in "$here/../golden/requests.jsonl" "$work/mixed.jsonl"; do
  "$chart" --batch --jobs 1 < "$input" > "$work/one"
  for jobs in 2 3; do
    "$chart" --batch --jobs "$jobs" < "$input" > "$work/several"
    if cmp -s "$work/one" "$work/several"; then
      echo "$(basename "$input"): --jobs 1 and --jobs $jobs identical ($(wc -l < "$work/one") lines)"
    else
      echo "$(basename "$input"): --jobs 1 and --jobs $jobs differ:"
      cmp "$work/one" "$work/several" || true
      status=1
    fi
  done
done
answers=$(wc -l < "$work/one")
if (( answers != lines )); then
  echo "mixed.jsonl: $answers answers for $lines lines"
  status=1
fi
exit $status
