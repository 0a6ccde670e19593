#!/usr/bin/env bash
# Sets up and builds Kalodaya, then starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/default/src/ui/kalodaya "$@"
