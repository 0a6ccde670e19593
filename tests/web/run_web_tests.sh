#!/usr/bin/env bash
# Runs the web page's browser tests, or says in one line why they cannot run here and exits 77
# (ctest's skip): the page needs emscripten, Node with the page's npm packages, and Chromium.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
why=""
command -v emcc >/dev/null || why="emscripten is not installed (scripts/setup.sh installs it)"
command -v node >/dev/null || why="Node is not installed"
[ -d "$root/web/node_modules/playwright-core" ] || why="the page's npm packages are not installed (cd web && npm ci)"
[ -x "${KALODAYA_CHROMIUM:-/usr/bin/chromium}" ] || why="Chromium is not installed"
if [ -z "$why" ] && ! "${KALODAYA_CHROMIUM:-/usr/bin/chromium}" --headless --no-sandbox --disable-gpu \
    --dump-dom about:blank >/dev/null 2>&1; then
  why="Chromium cannot start here"
fi
if [ -n "$why" ]; then
  echo "web_page: skipped: $why"
  exit 77
fi
exec "$root/scripts/web.sh" test
