#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own. The layers, lowest
# first (a layer may include its own headers and those of the layers it names):
#   base
#   astro    base
#   lagna    base astro
#   profile  base
#   records  base
#   chart    base astro lagna profile records
#   cli      base astro lagna profile records chart
#   ui       base astro lagna profile records chart cli (kalodaya --export reads the same
#            entry options and request lines as kalodaya-chart)
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

declare -A allowed=(
  [base]="base"
  [astro]="base astro"
  [lagna]="base astro lagna"
  [profile]="base profile"
  [records]="base records"
  [chart]="base astro lagna profile records chart"
  [cli]="base astro lagna profile records chart cli"
  [ui]="base astro lagna profile records chart cli ui"
)

status=0
for dir in "$src"/*/; do
  layer="$(basename "$dir")"
  if [[ -z "${allowed[$layer]+x}" ]]; then
    echo "layers: src/$layer is no known layer (add it to tools/check_layers.sh)"
    status=1
    continue
  fi
  while IFS=: read -r file line include; do
    target="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$include")"
    [[ "$target" == "$include" ]] && continue  # a header without a folder
    if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
      echo "layers: ${file#"$src"/}:$line includes \"$target/...\": $layer may include only ${allowed[$layer]}"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$dir" --include='*.h' --include='*.cpp' || true)
done
[[ $status -eq 0 ]] && echo "layers: every include points to its own layer or one below"
exit $status
