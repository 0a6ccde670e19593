#!/usr/bin/env bash
# Re-records the golden charts from the current build. Only for a deliberate change of output,
# committed on its own with the reason in its message.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
chart="${1:-$root/build/default/src/cli/kalodaya-chart}"
"$chart" --batch < "$root/tests/golden/requests.jsonl" | xz -9 -T1 > "$root/tests/golden/charts.jsonl.xz"
echo "recorded $(xz -dc "$root/tests/golden/charts.jsonl.xz" | wc -l) charts"
