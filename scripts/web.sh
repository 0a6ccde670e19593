#!/usr/bin/env bash
# The web page: installs what is missing (Debian: emscripten, chromium; the page's npm
# packages from web/package-lock.json), builds the WebAssembly module and the page into
# build/web/, and serves it at http://127.0.0.1:8080/.
#   ./scripts/web.sh          build and serve
#   ./scripts/web.sh build    only build
#   ./scripts/web.sh test     build when out of date, then run the page's browser tests
#   ./scripts/web.sh bench    the same, then measure the page's speed and print its sizes
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
mode="${1:-serve}"

packages=(emscripten chromium nodejs npm xz-utils gzip fonts-noto-core fonttools python3-brotli)
missing=()
for p in "${packages[@]}"; do
  # Node may come from a package of another name that provides node and npm.
  case "$p" in nodejs|npm) command -v "${p/js/}" >/dev/null 2>&1 && continue ;; esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --no-audit --no-fund)
fi

# The Swiss Ephemeris sources (2.10.03, as Debian's libswe), pinned in tools/swisseph's
# package-lock.json; its install scripts are not run, only its C files are compiled.
if [ ! -f tools/swisseph/node_modules/.package-lock.json ] ||
   [ tools/swisseph/package-lock.json -nt tools/swisseph/node_modules/.package-lock.json ]; then
  (cd tools/swisseph && npm ci --ignore-scripts --no-audit --no-fund)
fi

# Debian's emscripten runs its JavaScript tools with Debian's acorn.
export NODE_PATH=/usr/share/nodejs
wasm_dir="$root/build/web-wasm"
public_dir="$root/build/web-public"
out_dir="$root/build/web"

build() {
  if [ ! -f "$wasm_dir/build.ninja" ]; then
    emcmake cmake -S . -B "$wasm_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$wasm_dir" -j2
  rm -rf "$public_dir"
  mkdir -p "$public_dir/atlas"
  cp "$wasm_dir/web/wasm/kalodaya.js" "$wasm_dir/web/wasm/kalodaya.wasm" "$public_dir/"
  for f in places regions zones; do
    gzip -9 -n -c "src/astro/atlas/data/$f.tsv" > "$public_dir/atlas/$f.tsv.gz"
  done
  fonts
  # The offline cache is named after what it holds, so a new build replaces it.
  stamp="$(cat "$public_dir"/kalodaya.* "$public_dir"/atlas/* "$public_dir"/fonts/* web/index.html web/src/* | sha256sum | cut -c1-12)"
  sed "s/__BUILD__/$stamp/" web/static/sw.js > "$public_dir/sw.js"
  (cd web && KALODAYA_WEB_PUBLIC="$public_dir" KALODAYA_WEB_OUT="$out_dir" npm run --silent build)
  echo "web: built $out_dir"
}

# The Indian scripts' fonts, cut from Debian's Noto Sans to each script's block (with the
# joiners, the dotted circle and the dandas), every layout feature kept: names and places may
# hold any letter of the script, and conjuncts need the shaping tables. The page's style sheet
# loads a script's font only when the page shows a letter of it (unicode-range).
fonts() {
  local noto=/usr/share/fonts/truetype/noto
  mkdir -p "$public_dir/fonts"
  local -A blocks=([Devanagari]="U+0900-097F,U+1CD0-1CFF,U+A8E0-A8FF"
                   [Tamil]="U+0B80-0BFF,U+0964-0965" [Telugu]="U+0C00-0C7F,U+0964-0965"
                   [Kannada]="U+0C80-0CFF,U+0964-0965")
  for script in "${!blocks[@]}"; do
    for weight in Regular Bold; do
      pyftsubset "$noto/NotoSans$script-$weight.ttf" \
        --unicodes="${blocks[$script]},U+200C-200D,U+25CC" --layout-features='*' \
        --flavor=woff2 --output-file="$public_dir/fonts/NotoSans$script-$weight.woff2"
    done
  done
  # The fonts' licence (SIL Open Font License 1.1) ships beside them.
  cp /usr/share/doc/fonts-noto-core/copyright "$public_dir/fonts/LICENSE.txt"
}

up_to_date() {
  [ -f "$out_dir/index.html" ] &&
    [ -z "$(find src web/src web/wasm web/static web/index.html -newer "$out_dir/index.html" -type f | head -1)" ]
}

# Each file as served and compressed (gzip -9; brotli where it is installed).
sizes() {
  (cd "$out_dir" && find . -type f | sort | while read -r f; do
    printf '%-28s %9d bytes, gzip %9d' "$f" "$(stat -c %s "$f")" "$(gzip -9 -c "$f" | wc -c)"
    command -v brotli >/dev/null && printf ', brotli %9d' "$(brotli -c "$f" | wc -c)"
    echo
  done)
}

case "$mode" in
  build) build ;;
  test)
    up_to_date || build
    cd web && KALODAYA_WEB_OUT="$out_dir" node --test --test-concurrency=1 tests/
    ;;
  bench)
    up_to_date || build
    sizes
    cd web && KALODAYA_WEB_OUT="$out_dir" node bench/page_bench.mjs
    ;;
  serve)
    build
    echo "web: serving $out_dir at http://127.0.0.1:8080/ (Ctrl+C stops)"
    cd web && KALODAYA_WEB_OUT="$out_dir" exec npx vite preview --host 127.0.0.1 --port 8080 --strictPort
    ;;
  *) echo "usage: $0 [build|test|bench]" >&2; exit 2 ;;
esac
