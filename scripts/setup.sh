#!/usr/bin/env bash
# Installs whatever the build needs that is missing (Debian 12 / Ubuntu), then configures and
# builds Kalodaya with the default preset. Safe to run again: it installs and rebuilds only
# what is missing or out of date.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev libgl-dev fonts-dejavu-core fonts-noto-core qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libsqlite3-dev libpng-dev libswe-dev
  poppler-utils xvfb xauth
  help2man appstream lintian dpkg-dev
  emscripten chromium xz-utils fonttools python3-brotli
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The web page's npm packages, as web/package-lock.json pins them.
if command -v npm >/dev/null && { [ ! -d web/node_modules ] ||
    [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; }; then
  (cd web && npm ci --no-audit --no-fund)
fi
# The Swiss Ephemeris sources that the Windows and web builds compile (Linux links libswe), so
# that those builds need no download later; install scripts are not run.
if command -v npm >/dev/null && { [ ! -f tools/swisseph/node_modules/.package-lock.json ] ||
    [ tools/swisseph/package-lock.json -nt tools/swisseph/node_modules/.package-lock.json ]; }; then
  (cd tools/swisseph && npm ci --ignore-scripts --no-audit --no-fund)
fi

cmake --preset default >/dev/null
cmake --build --preset default
