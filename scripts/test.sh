#!/usr/bin/env bash
# Sets up and builds Kalodaya, then runs the whole test suite (window tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j2
