#!/usr/bin/env bash
# Builds the Windows program's benchmarks and runs them under Wine (on a
# virtual display when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset mingw >/dev/null && cmake --build --preset mingw --target marker_bench settings_bench >/dev/null
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  tg_start_xvfb
fi
for b in marker_bench settings_bench; do (cd build/mingw/bench && ../../../scripts/wine-run.sh ./$b.exe); done
