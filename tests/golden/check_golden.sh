#!/usr/bin/env bash
# Compares kalodaya-chart --batch output for the golden requests with the recorded charts, byte
# for byte. Usage: check_golden.sh KALODAYA_CHART [extra options for kalodaya-chart...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
chart="$1"; shift
actual="$(mktemp)"; expected="$(mktemp)"
trap 'rm -f "$actual" "$expected"' EXIT
"$chart" --batch "$@" < "$here/requests.jsonl" > "$actual"
xz -dc "$here/charts.jsonl.xz" > "$expected"
if cmp -s "$expected" "$actual"; then
  echo "golden: $(wc -l < "$expected") charts identical"
  exit 0
fi
echo "golden: output differs from the recorded charts (first differences, by line):"
diff "$expected" "$actual" | head -c 4000 || true
echo
echo "Lines that differ: $(diff "$expected" "$actual" | grep -c '^[<>]' || true)"
echo "Re-record only for a deliberate change: tools/golden/record.sh"
exit 1
